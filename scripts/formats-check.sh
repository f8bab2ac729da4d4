#!/usr/bin/env bash
# Checks the renderings of every boxscore under examples/ as a reader gets them: the HTML
# fragment, in a minimal page, passes tidy's HTML5 check without a warning and headless Chromium
# draws it to a PNG; the Markdown goes through cmark with its code block intact; --format text is
# the plain article; --names newspaper leaves no "Surname,X" name; and the bad uses of --format,
# --names and --paper are refused. The league paper of the examples and of a generated week:
# every page passes tidy's check, every link leads to a page and anchor that exist, each game is
# its --format html rendering with the seed of its place, and Chromium draws the index and a day
# at a desktop's and a phone's width.
#   scripts/formats-check.sh [BUILD]    (default: build, which must hold quillbat-cli and
#                                        make_season)
# The pages and pictures are left in BUILD/formats-check/. Ends with "N passed, N failed";
# exits 1 on a failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUILLBAT_ROOT"

build="$QUILLBAT_ROOT/${1:-build}"
cli="$build/quillbat-cli"
out="$build/formats-check"
ensure_packages tidy cmark chromium
rm -rf "$out"
mkdir -p "$out"

passed=0
failed=0
check() {
    local what="$1"
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $what" >&2
        failed=$((failed + 1))
    fi
}

# The fragment in the smallest page tidy accepts, with a style sheet for the classes.
page() {
    cat <<'EOF'
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Quillbat</title>
<style>
body { font-family: "DejaVu Serif", serif; max-width: 44em; margin: 1.5em auto; }
.quillbat-line-score { border-collapse: collapse; font-family: "DejaVu Sans Mono", monospace; }
.quillbat-line-score th, .quillbat-line-score td { padding: 0.15em 0.5em; text-align: right; }
.quillbat-line-score .team { text-align: left; }
.quillbat-line-score thead { border-bottom: 1px solid #333; }
.quillbat-line-score colgroup.innings, .quillbat-line-score colgroup.totals { border-left: 1px solid #aaa; }
.quillbat-line-score .runs { font-weight: bold; }
</style>
</head>
<body>
EOF
    cat "$1"
    printf '</body>\n</html>\n'
}

tidy_clean() {
    tidy -quiet -errors "$1"
}

# Chromium writes the picture of the page at the window size given (900,480 without one); a
# PNG starts with its eight signature bytes.
draws_png() {
    local profile
    profile="$(mktemp -d)"
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --window-size="${3:-900,480}" --screenshot="$2" "file://$1" \
        >/dev/null 2>&1
    rm -rf "$profile"
    [ "$(head -c 8 "$2" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ]
}

# The table between the Markdown's fences comes out of cmark as one <pre><code> block.
code_block_survives() {
    local table html
    table="$(awk '/^```/ { inside = !inside; next } inside' "$1")"
    html="$(cmark "$1")"
    [ -n "$table" ] && [[ "$html" == *"<pre><code>$table"$'\n'"</code></pre>"* ]]
}

same_bytes() {
    cmp -s <("$cli" --seed 7 --data "$build" "$1") <("$cli" --seed 7 --data "$build" --format text "$1")
}

# A newspaper prints no name in the boxscore's "Surname,Initials" form.
no_boxscore_names() {
    ! "$cli" --seed 7 --data "$build" --names newspaper "$1" | grep -qE '[A-Za-z],[A-Za-z]'
}

bad_usage() {
    local status=0
    "$cli" --data "$build" "$@" >"$out/usage.out" 2>/dev/null || status=$?
    [ "$status" -eq 2 ] && [ ! -s "$out/usage.out" ]
}

for boxscore in examples/*.box; do
    name="$(basename "$boxscore" .box)"
    "$cli" --seed 7 --data "$build" --format html "$boxscore" >"$out/$name.fragment.html"
    page "$out/$name.fragment.html" >"$out/$name.html"
    check "$name: tidy finds no error or warning" tidy_clean "$out/$name.html"
    check "$name: Chromium draws the page" draws_png "$out/$name.html" "$out/$name.png"
    "$cli" --seed 7 --data "$build" --format markdown "$boxscore" >"$out/$name.md"
    check "$name: cmark keeps the line score's code block" code_block_survives "$out/$name.md"
    check "$name: --format text is the plain article" same_bytes "$boxscore"
    check "$name: --names newspaper prints no Surname,X name" no_boxscore_names "$boxscore"
done

# The league paper of the examples and of a generated week of 105 games.
paper="$out/paper"
week="$out/week"
"$build/make_season" --schedule "$out/week-boxscores" 105
"$cli" --seed 7 --data "$build" --paper "$paper" examples >/dev/null
"$cli" --seed 1 --data "$build" --paper "$week" "$out/week-boxscores" >/dev/null

# Every href of the page leads to a file of the paper and, after a "#", to an element with that
# id in it.
links_resolve() {
    local page="$1" folder href file anchor
    folder="$(dirname "$page")"
    for href in $(grep -o 'href="[^"]*"' "$page" | sed 's/^href="//; s/"$//'); do
        file="${href%%#*}"
        [ -n "$file" ] || file="$(basename "$page")"
        [ -f "$folder/$file" ] || { echo "$page: no file $href" >&2; return 1; }
        if [[ "$href" == *"#"* ]]; then
            anchor="${href#*#}"
            grep -q "id=\"$anchor\"" "$folder/$file" || { echo "$page: no anchor $href" >&2; return 1; }
        fi
    done
}

# The examples in the paper's order: by the date of the record, then by file name.
paper_order() {
    local box date
    for box in examples/*.box; do
        date="$("$cli" --record "$box" | sed -n 's/.*"gameDate":"\([^"]*\)".*/\1/p')"
        echo "$(date -d "$date" +%F) $(basename "$box") $box"
    done | sort | cut -d' ' -f3
}

# Each game of the examples' paper is what --format html prints for its file with the seed of
# its place (7 + k), between the page's anchor of the game and the end of its element.
games_as_printed() {
    local k=0 box day game=1 previous=""
    for box in $(paper_order); do
        day="$paper/$(date -d "$("$cli" --record "$box" | sed -n 's/.*"gameDate":"\([^"]*\)".*/\1/p')" +%F).html"
        [ "$day" = "$previous" ] && game=$((game + 1)) || game=1
        previous="$day"
        if ! cmp -s <(awk -v id="<div class=\"game\" id=\"game-$game\">" \
            '$0 == id { inside = 1; next } inside && $0 == "</div>" { exit } inside' "$day") \
            <("$cli" --seed $((7 + k)) --data "$build" --format html "$box"); then
            echo "$box: game $game of $day differs from --format html --seed $((7 + k))" >&2
            return 1
        fi
        k=$((k + 1))
    done
}

for page in "$paper"/*.html "$week"/*.html; do
    check "$page: tidy finds no error or warning" tidy_clean "$page"
    check "$page: every link resolves" links_resolve "$page"
done
check "the paper's games are their --format html renderings" games_as_printed
for width in 1280 390; do
    check "Chromium draws the week's index at $width pixels" draws_png "$week/index.html" \
        "$out/paper-index-$width.png" "$width,1400"
    check "Chromium draws a day of the week at $width pixels" draws_png "$week/2026-04-07.html" \
        "$out/paper-day-$width.png" "$width,2400"
done
check "--paper with --format text is bad usage" bad_usage --paper "$out/no-paper" --format text examples
check "--paper with --save is bad usage" bad_usage --paper "$out/no-paper" --save examples

game=examples/2026050306100.box
check "--format rtf is bad usage" bad_usage --format rtf "$game"
check "--format with --record is bad usage" bad_usage --format html --record "$game"
check "--names nickname is bad usage" bad_usage --names nickname "$game"
check "--names with --record is bad usage" bad_usage --names newspaper --record "$game"

echo "formats check: $passed passed, $failed failed (pages and pictures in $out)"
[ "$failed" -eq 0 ]
