#!/usr/bin/env bash
# Makes the Windows installer (cpack -G NSIS in the MinGW build) and checks it under Wine: it
# installs silently (/S) into Program Files; quillbat-cli.exe works from there; the installed
# phrase files are the ones it uses until the user has phrase files of their own in
# %APPDATA%\Quillbat\phrases, which then write the article (the same decision puts the
# desktop program's settings in %APPDATA%\Quillbat; their round trip is a test of the core);
# the uninstaller, run silently, removes every file and registry entry the installer wrote and
# leaves the user's files.
#   scripts/windows-install-check.sh [LINUX_BUILD [WINDOWS_BUILD]]   (defaults: build build-windows)
# Both builds must already hold quillbat-cli (scripts/windows-check.sh makes the Windows one).
# Ends with "N passed, N failed"; exits 1 on a failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUILLBAT_ROOT"

linux_build="$QUILLBAT_ROOT/${1:-build}"
windows_build="$QUILLBAT_ROOT/${2:-build-windows}"
ensure_packages nsis wine64
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

rm -f "$windows_build"/quillbat-setup-*.exe
(cd "$windows_build" && cpack -G NSIS >/dev/null)
setup=$(echo "$windows_build"/quillbat-setup-*.exe)
staged="$windows_build/_CPack_Packages/win64/NSIS/$(basename "$setup" .exe)"
echo "Built $setup"

# Wine lets its user write anywhere in its C: drive; on Windows a user cannot write into
# Program Files. So the programs run as a user who is not root (nobody, when this script runs
# as root, who may write anywhere), in a Wine installation of that user's own in a fresh folder
# that user can reach wherever the repository lies, and the installation folder loses its write
# permission between install and uninstall, as the folder's access rights on Windows would
# have it.
check_folder=$(mktemp -d "${TMPDIR:-/tmp}/quillbat-install-check.XXXXXX")
chmod 755 "$check_folder"
mkdir "$check_folder/home" "$check_folder/wine"
as_wine_user() {
    (cd "$check_folder" && "$@")
}
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$check_folder"
    as_wine_user() {
        (cd "$check_folder" && setpriv --reuid=nobody --regid=nogroup --clear-groups "$@")
    }
fi
export WINEPREFIX="$check_folder/wine" HOME="$check_folder/home" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
finish() {
    as_wine_user "$wineserver" -k 2>/dev/null || true
    chmod -R u+w "$check_folder"
    rm -rf "$check_folder"
}
trap finish EXIT
as_wine_user "$wine" wineboot -i </dev/null >/dev/null 2>&1 ||
    { echo "Wine could not prepare $WINEPREFIX" >&2; exit 1; }
# Runs a Windows program and waits until every process it started has ended (an uninstaller
# runs on from a copy of itself): Wine's server ends, with Wine's own services, once no
# program runs any more.
run_windows() {
    as_wine_user "$wine" "$@" </dev/null
    as_wine_user "$wineserver" -w
}

passed=0
failed=0
# The files under a folder, one relative name a line, sorted.
files_under() {
    (cd "$1" && find . -type f | sort)
}
registry_holds() {
    as_wine_user "$wine" reg query "$@" >/dev/null 2>&1
}
# The text of a registry value: registry_string KEY NAME, or KEY alone for its default value.
registry_string() {
    local line
    if [ $# -eq 1 ]; then
        line=$(as_wine_user "$wine" reg query "$1" /ve)
    else
        line=$(as_wine_user "$wine" reg query "$1" /v "$2")
    fi
    line=$(tr -d '\r' <<<"$line" | grep REG_SZ)
    echo "${line#*REG_SZ    }"
}
drive_c="$WINEPREFIX/drive_c"
install="$drive_c/Program Files/Quillbat"
program_files='C:\Program Files\Quillbat'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbat'
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillbat"
cp "$setup" "$check_folder/setup.exe"
check "the installer runs silently (/S)" run_windows "$check_folder/setup.exe" /S
check "Program Files\\Quillbat holds the packaged files and the uninstaller" prints \
    "$( (files_under "$staged" && echo ./uninstall.exe) | sort)" files_under "$install"
check "installing again replaces the installation" run_windows "$check_folder/setup.exe" /S
check "Program Files\\Quillbat still holds just the packaged files and the uninstaller" prints \
    "$( (files_under "$staged" && echo ./uninstall.exe) | sort)" files_under "$install"
check "the uninstaller is registered, with a silent form" \
    prints "\"$program_files\\uninstall.exe\" /S" registry_string "$uninstall_key" QuietUninstallString
prog_id='HKLM\Software\Classes\Quillbat.Boxscore'
open_with='HKLM\Software\Classes\.box\OpenWithProgids'
if [ -f "$install/quillbat.exe" ]; then
    check "a Start menu entry" test -f "$start_menu/Quillbat.lnk"
    check "\"Open with\" offers Quillbat for .box files" registry_holds "$open_with" /v Quillbat.Boxscore
    check "the boxscore ProgID opens the desktop program with the boxscore" \
        prints "\"$program_files\\quillbat.exe\" \"%1\"" registry_string "$prog_id\\shell\\open\\command"
    check "the boxscore ProgID has the desktop program's icon" \
        prints "$program_files\\quillbat.exe,0" registry_string "$prog_id\\DefaultIcon"
fi

chmod -R a-w "$install"
quillbat_cli() {
    as_wine_user "$wine" "$program_files\\quillbat-cli.exe" "$@"
}
game=riverton-at-harbor-city.box
check "quillbat-cli.exe writes the article from Program Files" \
    prints "$("$linux_build/quillbat-cli" --seed 7 --data data "examples/$game")" \
    quillbat_cli --seed 7 "$program_files\\examples\\$game"
check "the installed phrase files are the user's first ones" \
    prints "Phrase files: $program_files" quillbat_cli --check-phrases

# The user's own voice: a copy of the phrase files whose openings all read "Our own words".
appdata_windows=$(as_wine_user "$wine" cmd /c 'echo %APPDATA%' | tr -d '\r')
phrases="$(as_wine_user "$wine" winepath -u "$appdata_windows" | tr -d '\r')/Quillbat/phrases"
mkdir -p "$phrases"
cp data/*.dat "$phrases/"
printf '%s,Our own words\r\n' none 100 hot chilly cold normal >"$phrases/temperature.dat"
check "the user's phrase folder is %APPDATA%\\Quillbat\\phrases once it holds phrase files" \
    prints "Phrase files: $appdata_windows\\Quillbat\\phrases" quillbat_cli --check-phrases
article_in_our_own_words() {
    quillbat_cli --seed 7 "$program_files\\examples\\$game" | grep -q '^Our own words'
}
check "the user's phrase files write the article" article_in_our_own_words
check "running the programs wrote nothing into Program Files" prints \
    "$( (files_under "$staged" && echo ./uninstall.exe) | sort)" files_under "$install"
chmod -R u+w "$install"

check "the uninstaller runs silently (/S)" run_windows "$program_files\\uninstall.exe" /S
check "the uninstaller removes Program Files\\Quillbat" test ! -e "$install"
check "the uninstaller removes the Start menu folder" test ! -e "$start_menu"
registry_forgets_quillbat() {
    ! registry_holds "$uninstall_key" && ! registry_holds "$prog_id" &&
        ! registry_holds "$open_with" /v Quillbat.Boxscore
}
check "the uninstaller removes its registry entries" registry_forgets_quillbat
check "the uninstaller leaves the user's phrase files" test -f "$phrases/temperature.dat"

echo "Windows installer: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
