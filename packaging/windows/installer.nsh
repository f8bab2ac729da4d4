; What the installer does: the files into Program Files, a Start menu entry and "Open with
; Quillbat" for .box boxscores (both with the desktop program), and an entry in the system's list
; of programs whose uninstaller also runs silently (/S).

; Registers the change of file associations with the shell (SHCNE_ASSOCCHANGED).
!macro NOTIFY_SHELL_OF_ASSOCIATIONS
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Function .onInit
  SetShellVarContext all
  ; An older installation is uninstalled first, so that no file it had and this one lacks
  ; stays behind. With _?= its uninstaller runs in place and is removed here.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $0 "" done
  IfFileExists "$0\uninstall.exe" 0 done
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  done:
FunctionEnd

Section "Quillbat"
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro QUILLBAT_INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${PRODUCT_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

!if "${DESKTOP_PROGRAM}" != ""
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${DESKTOP_PROGRAM},0"
  CreateDirectory "${START_MENU_FOLDER}"
  CreateShortcut "${START_MENU_FOLDER}\Quillbat.lnk" "$INSTDIR\${DESKTOP_PROGRAM}"

  ; A ProgID that opens a boxscore with the desktop program, offered for .box files under
  ; "Open with" without taking over their default program.
  WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "Baseball boxscore"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\${DESKTOP_PROGRAM},0"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" \
    '"$INSTDIR\${DESKTOP_PROGRAM}" "%1"'
  WriteRegStr HKLM "Software\Classes\.box\OpenWithProgids" "${PROG_ID}" ""
  !insertmacro NOTIFY_SHELL_OF_ASSOCIATIONS
!endif
SectionEnd
