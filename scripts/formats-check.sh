#!/usr/bin/env bash
# Checks the renderings of every boxscore under examples/ as a reader gets them: the HTML
# fragment, in a minimal page, passes tidy's HTML5 check without a warning and headless Chromium
# draws it to a PNG; the Markdown goes through cmark with its code block intact; --format text is
# the plain article; --names newspaper leaves no "Surname,X" name; and the bad uses of --format
# and --names are refused.
#   scripts/formats-check.sh [BUILD]    (default: build, which must hold quillbat-cli)
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

# Chromium writes the picture and says so; a PNG starts with its eight signature bytes.
draws_png() {
    local profile
    profile="$(mktemp -d)"
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --window-size=900,480 --screenshot="$2" "file://$1" \
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

game=examples/2026050306100.box
check "--format rtf is bad usage" bad_usage --format rtf "$game"
check "--format with --record is bad usage" bad_usage --format html --record "$game"
check "--names nickname is bad usage" bad_usage --names nickname "$game"
check "--names with --record is bad usage" bad_usage --names newspaper --record "$game"

echo "formats check: $passed passed, $failed failed (pages and pictures in $out)"
[ "$failed" -eq 0 ]
