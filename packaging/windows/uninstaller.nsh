; What the uninstaller removes: every file and registry entry the installer wrote, and nothing
; else. The user's settings and edited phrase files in %APPDATA%\Quillbat stay, and so does a
; file the user put into the installation folder (the folder then stays too).

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  !insertmacro QUILLBAT_DELETE_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${START_MENU_FOLDER}\Quillbat.lnk"
  RMDir "${START_MENU_FOLDER}"

  DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
  DeleteRegValue HKLM "Software\Classes\.box\OpenWithProgids" "${PROG_ID}"
  DeleteRegKey /ifempty HKLM "Software\Classes\.box\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.box"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro NOTIFY_SHELL_OF_ASSOCIATIONS
SectionEnd
