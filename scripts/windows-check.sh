#!/usr/bin/env bash
# Cross-builds the core, its tests, quillbat-cli and the desktop program quillbat.exe for
# Windows with MinGW-w64, runs the tests under Wine, and checks:
# - that the Windows quillbat-cli writes the same bytes as the Linux one for every boxscore
#   under examples/: articles with several seeds, --record, --check-phrases, refusals, the
#   league paper's pages, and --save with Windows paths (a plain folder and non-ASCII ones);
# - that both programs need no DLL beyond those of Windows itself;
# - the package quillbat-windows.zip (both programs, the phrase files, a read-me), unpacked
#   into a fresh Wine installation, where tests/windows/desktop_check.cpp drives quillbat.exe
#   under Xvfb through window messages and its menu for every example (Copy As included), for
#   Newspaper Names, Game Story, League Paper, Open Phrase Folder, refused boxscores, --help
#   and --version.
#   scripts/windows-check.sh [LINUX_BUILD [WINDOWS_BUILD]]   (defaults: build build-windows)
# LINUX_BUILD must already hold quillbat-cli. Ends with "N passed, N failed"; exits 1 on a failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUILLBAT_ROOT"

linux_build="$QUILLBAT_ROOT/${1:-build}"
windows_build="$QUILLBAT_ROOT/${2:-build-windows}"
linux_cli="$linux_build/quillbat-cli"
windows_cli="$windows_build/quillbat-cli.exe"
seeds=(0 1 7 2026 4294967295)

ensure_packages g++-mingw-w64-x86-64-posix wine64 xvfb xauth
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

# A private Wine installation inside the build folder, made once; no window, no prompt to
# install Mono or Gecko, no noise. UTF-8 so that non-ASCII arguments reach Windows intact.
export WINEPREFIX="$windows_build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
[ -f "$WINEPREFIX/system.reg" ] || echo "Preparing a Wine installation in $WINEPREFIX ..."
mkdir -p "$WINEPREFIX"
# One Wine server and one set of Wine's own services for the whole run, started here with
# nothing attached: services started by the first test would hold CTest's output pipe open,
# and CTest would wait for it forever.
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot -i </dev/null >/dev/null 2>&1

configure_and_build "$windows_build" -DCMAKE_TOOLCHAIN_FILE="$QUILLBAT_ROOT/cmake/mingw-w64-x86_64.cmake"
# The comparisons run even when a test fails, so one run shows every difference.
tests_status=0
ctest --test-dir "$windows_build" --output-on-failure --parallel "$(nproc)" || tests_status=$?

work="$windows_build/check"
rm -rf "$work"
mkdir -p "$work"
passed=0
failed=0

# Runs one command line on both systems from the repository's folder and compares standard
# output, standard error and exit status byte for byte. The one allowed difference: a message
# naming a file inside a folder joins them with the system's separator, "\" on Windows.
#   same_on_both NAME ARGUMENTS...
same_on_both() {
    local name="$1"
    shift
    local linux_status=0 windows_status=0
    "$linux_cli" "$@" >"$work/linux.out" 2>"$work/linux.err" || linux_status=$?
    "$wine" "$windows_cli" "$@" >"$work/windows.out" 2>"$work/windows.raw-err" || windows_status=$?
    tr '\\' / <"$work/windows.raw-err" >"$work/windows.err"
    if cmp -s "$work/linux.out" "$work/windows.out" && cmp -s "$work/linux.err" "$work/windows.err" &&
        [ "$linux_status" = "$windows_status" ]; then
        passed=$((passed + 1))
        return
    fi
    failed=$((failed + 1))
    echo "FAILED: $name: quillbat-cli $*"
    echo "  exit status: Linux $linux_status, Windows $windows_status"
    local stream
    for stream in out err; do
        if ! cmp -s "$work/linux.$stream" "$work/windows.$stream"; then
            echo "  standard $stream differs (Linux <, Windows >):"
            diff <(od -An -c "$work/linux.$stream") <(od -An -c "$work/windows.$stream") |
                head -n 8 | sed 's/^/    /' || true
        fi
    done
}

# Checks that a file holds exactly the bytes of another one.
#   same_file NAME EXPECTED ACTUAL
same_file() {
    if [ -f "$3" ] && cmp -s "$2" "$3"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1: $3 is missing or differs from $2"
    fi
}

boxscores=(examples/*.box)
[ -e "${boxscores[0]}" ] || { echo "no boxscore under examples/" >&2; exit 1; }

for box in "${boxscores[@]}"; do
    for seed in "${seeds[@]}"; do
        same_on_both "article" --seed "$seed" "$box"
    done
    same_on_both "game record" --record "$box"
done
# One batch: the k-th boxscore gets seed N + k, wrapping past 4294967295.
same_on_both "batch of articles" --seed 4294967294 "${boxscores[@]}" "${boxscores[@]}"
same_on_both "phrase files named by folder" --seed 3 --data data "${boxscores[0]}"
mkdir -p "$work/Frases Ōsaka 大阪"
cp data/*.dat "$work/Frases Ōsaka 大阪/"
same_on_both "phrase files in a non-ASCII folder" --seed 3 --data "$work/Frases Ōsaka 大阪" "${boxscores[0]}"

# Named, since without a folder each program first names its own, which differs.
same_on_both "phrase check" --check-phrases data
mkdir -p "$work/phrases"
cp data/*.dat "$work/phrases/"
printf 'NoSuchCategory,"A #noSuchToken# template.  "\r\n"unclosed\r\n' >>"$work/phrases/score.dat"
rm "$work/phrases/homerun.dat"
same_on_both "phrase check with problems" --check-phrases "$work/phrases"
same_on_both "article with a broken phrase file" --seed 1 --data "$work/phrases" "${boxscores[0]}"

printf '' >"$work/empty.box"
printf 'not a boxscore\r\n' >"$work/other.box"
same_on_both "refused boxscores" --seed 1 "$work/empty.box" examples/no-such-game.box \
    "$work/other.box" "${boxscores[0]}"
same_on_both "refused record" --record "$work/other.box"
same_on_both "bad seed" --seed 4294967296 "${boxscores[0]}"
same_on_both "help" --help
same_on_both "no boxscore" --seed 1

# The league paper of the examples' folder: the same pages on both systems.
rm -rf "$work/paper-linux" "$work/paper-windows"
"$linux_cli" --paper "$work/paper-linux" --seed 7 --data data examples >/dev/null || true
"$wine" "$windows_cli" --paper "$work/paper-windows" --seed 7 --data data examples >/dev/null || true
if [ -f "$work/paper-linux/index.html" ] && diff -r "$work/paper-linux" "$work/paper-windows"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAILED: league paper: the pages differ between Linux and Windows"
fi

# --save beside the boxscore, on Windows named with drive letter and backslashes. The Linux
# program saves the same game in a folder of its own; both files must hold the same bytes:
# the article trimmed of blanks at both ends, then CR LF.
drive_c="$WINEPREFIX/drive_c"
for folder in "League" "Liga Española" "Ōsaka 大阪"; do
    rm -rf "${drive_c:?}/$folder" "${work:?}/linux-save"
    mkdir -p "$drive_c/$folder" "$work/linux-save/$folder"
    cp "${boxscores[0]}" "$drive_c/$folder/gm05.box"
    cp "${boxscores[0]}" "$work/linux-save/$folder/gm05.box"
    "$linux_cli" --seed 5 --save "$work/linux-save/$folder/gm05.box" >"$work/linux.out" || true
    "$wine" "$windows_cli" --seed 5 --save "C:\\$folder\\gm05.box" >"$work/windows.out" || true
    same_file "--save in C:\\$folder" "$work/linux-save/$folder/gm05.txt" "$drive_c/$folder/gm05.txt"
    same_file "--save article on standard output" "$work/linux.out" "$work/windows.out"
    sed -e 's/^ *//' -e 's/ *$//' "$work/linux.out" | sed 's/$/\r/' >"$work/expected.txt"
    same_file "--save text of the article" "$work/expected.txt" "$work/linux-save/$folder/gm05.txt"
done

# Both programs need only DLLs of Windows itself: the C and C++ libraries are linked in.
for program in quillbat.exe quillbat-cli.exe; do
    imports=$(x86_64-w64-mingw32-objdump -p "$windows_build/$program" | sed -n 's/^\s*DLL Name: //p')
    echo "$program imports: $(echo $imports)"
    foreign=$(echo "$imports" | grep -viE '^(kernel32|user32|gdi32|advapi32|shell32|comdlg32|comctl32|ole32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$' || true)
    if [ -z "$foreign" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $program needs DLLs that Windows does not have: $(echo $foreign)"
    fi
done

# The package: both programs, the phrase files, the league paper's style sheet and a read-me.
package="$windows_build/quillbat-windows.zip"
rm -rf "$work/package" "$package"
mkdir -p "$work/package"
cp "$windows_build/quillbat.exe" "$windows_cli" data/*.dat data/paper.css "$work/package/"
cp win32/README.txt "$work/package/README.txt"
# Without the debugging information the build keeps: a tenth of the size.
x86_64-w64-mingw32-strip "$work/package/"*.exe
(cd "$work/package" && cmake -E tar cf "$package" --format=zip -- *)
echo "Made $package"

# The desktop program from the unpacked package, in a Wine installation made afresh, on a
# virtual display. Expected: what the Windows quillbat-cli prints and saves for each example,
# its renderings for Copy As and its article with newspaper names and with the game's story.
desktop="$work/desktop"
mkdir -p "$desktop/programs" "$desktop/expected" "$desktop/saved" "$desktop/work"
(cd "$desktop/programs" && cmake -E tar xf "$package")
for box in "${boxscores[@]}"; do
    name=$(basename "$box" .box)
    "$wine" "$windows_cli" --seed 7 "$box" >"$desktop/expected/$name.article" || true
    for format in bbcode markdown html; do
        "$wine" "$windows_cli" --seed 7 --format "$format" "$box" >"$desktop/expected/$name.$format" || true
    done
    "$wine" "$windows_cli" --seed 7 --names newspaper "$box" >"$desktop/expected/$name.newspaper" || true
    "$wine" "$windows_cli" --seed 7 --story "$box" >"$desktop/expected/$name.story" || true
    cp "$box" "$desktop/saved/"
    "$wine" "$windows_cli" --seed 7 --save "$desktop/saved/$name.box" >/dev/null || true
    cp "$desktop/saved/$name.txt" "$desktop/expected/" || true
done
"$wine" "$windows_cli" --paper "$desktop/expected/paper" --seed 7 "${boxscores[@]}" >/dev/null || true
# The browser Wine starts for a web page (.html files go to it as on Windows, also without
# Wine's own HTML engine) only notes which page it was asked to show.
browser="$desktop/browser.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >"%s"\n' "$desktop/browsed.txt" >"$browser"
chmod +x "$browser"
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
export WINEPREFIX="$windows_build/wine-desktop"
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
echo "Preparing a fresh Wine installation in $WINEPREFIX for the desktop check ..."
desktop_status=0
# Inside the virtual display: Wine's server and services first, with nothing attached (as
# above), then the driver, which starts quillbat.exe for every example.
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    "$1" -p >/dev/null 2>&1; "$2" wineboot -i </dev/null >/dev/null 2>&1
    "$2" reg add "HKCR\\.html" /ve /d htmlfile /f >/dev/null 2>&1
    "$2" reg add "HKCU\\Software\\Wine\\WineBrowser" /v Browsers /d "$3" /f >/dev/null 2>&1
    status=0
    "$2" "${@:4}" || status=$?
    "$1" -k
    exit $status' bash "$wineserver" "$wine" "$browser" "$windows_build/quillbat_desktop_check.exe" \
    "$desktop/programs" "$desktop/expected" "$desktop/work" "$desktop/browsed.txt" \
    "${boxscores[@]}" || desktop_status=$?

echo "Windows: $passed passed, $failed failed"
[ "$tests_status" -eq 0 ] || echo "The tests of the Windows build failed (see above)."
[ "$desktop_status" -eq 0 ] || echo "The desktop check failed (see above)."
[ "$failed" -eq 0 ] && [ "$tests_status" -eq 0 ] && [ "$desktop_status" -eq 0 ]
