#!/usr/bin/env bash
# Times quillbat-cli --paper on a season of 2,430 generated whole boxscore files, dated 15 games
# a day from April 1 as a league plays them (162 days), against cat reading the same files, and
# prints the peak memory of the paper for 100 and for 2,430 files.
#   bench/paper.sh [BUILD_DIR] [PAIRS]    defaults: build, 7
# BUILD_DIR must hold quillbat-cli and make_season (built with the tests). The season is written
# once into BUILD_DIR/paper-season/, each paper into BUILD_DIR/paper-bench/, emptied before
# every run: every page is a new file, flushed to the disk before it takes its name.
set -euo pipefail
build="${1:-build}"
pairs="${2:-7}"
cli="$build/quillbat-cli"
season="$build/paper-season"
out="$build/paper-bench"
for program in "$cli" "$build/make_season"; do
    [ -x "$program" ] || { echo "paper.sh: $program is missing; build it first" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "paper.sh: /usr/bin/time is missing (apt-get install time)" >&2; exit 2; }

if [ "$(find "$season" -name '*.box' 2>/dev/null | wc -l)" -ne 2430 ]; then
    rm -rf "$season"
    "$build/make_season" --schedule "$season" 2430
fi
files=("$season"/*.box)
lines=$(cat "${files[@]}" | wc -l)
bytes=$(cat "${files[@]}" | wc -c)
echo "season: ${#files[@]} files, $lines lines, $bytes bytes"

# Wall-clock seconds of one run of the command, output to /dev/null.
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 ))" | awk '{ printf "%.3f", $1 / 1e6 }'
}

# One run of each before timing, so both find the files in the page cache.
cat "${files[@]}" >/dev/null
rm -rf "$out"
"$cli" --paper "$out" --seed 1 "${files[@]}" >/dev/null
echo "pages written: $(find "$out" -type f | wc -l) (with index.html and paper.css)"

ratios=()
for ((pair = 1; pair <= pairs; ++pair)); do
    cat_s=$(seconds cat "${files[@]}")
    rm -rf "$out"
    paper_s=$(seconds "$cli" --paper "$out" --seed "$pair" "${files[@]}")
    ratio=$(awk -v a="$paper_s" -v b="$cat_s" 'BEGIN { printf "%.2f", a / b }')
    ratios+=("$ratio")
    echo "pair $pair: cat ${cat_s} s, quillbat-cli --paper ${paper_s} s, ratio $ratio"
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ v[NR] = $1 } END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median ratio quillbat-cli --paper / cat over $pairs pairs: $median (goal: 3, aim: 1.5)"

peak_kb() {
    rm -rf "$out"
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}
echo "peak RSS of quillbat-cli --paper, 100 files (7 days): $(peak_kb "$cli" --paper "$out" --seed 1 "${files[@]:0:100}") kB"
echo "peak RSS of quillbat-cli --paper, ${#files[@]} files (162 days): $(peak_kb "$cli" --paper "$out" --seed 1 "${files[@]}") kB"
