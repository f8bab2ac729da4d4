#!/usr/bin/env bash
# Times quillbat-cli on a season of 2,430 generated boxscore files against cat reading the same
# files, and prints the peak memory of quillbat-cli for 100 and for 2,430 files.
#   bench/season.sh [BUILD_DIR] [PAIRS]    defaults: build, 7
# BUILD_DIR must hold quillbat-cli and make_season (built with the tests). The season is
# written once into BUILD_DIR/season/.
set -euo pipefail
build="${1:-build}"
pairs="${2:-7}"
cli="$build/quillbat-cli"
season="$build/season"
for program in "$cli" "$build/make_season"; do
    [ -x "$program" ] || { echo "season.sh: $program is missing; build it first" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "season.sh: /usr/bin/time is missing (apt-get install time)" >&2; exit 2; }

if [ "$(find "$season" -name '*.box' 2>/dev/null | wc -l)" -ne 2430 ]; then
    rm -rf "$season"
    "$build/make_season" "$season" 2430
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
"$cli" --seed 1 "${files[@]}" >/dev/null

ratios=()
for ((pair = 1; pair <= pairs; ++pair)); do
    cat_s=$(seconds cat "${files[@]}")
    cli_s=$(seconds "$cli" --seed "$pair" "${files[@]}")
    ratio=$(awk -v a="$cli_s" -v b="$cat_s" 'BEGIN { printf "%.2f", a / b }')
    ratios+=("$ratio")
    echo "pair $pair: cat ${cat_s} s, quillbat-cli ${cli_s} s, ratio $ratio"
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ v[NR] = $1 } END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median ratio quillbat-cli / cat over $pairs pairs: $median"

peak_kb() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}
echo "peak RSS of quillbat-cli, 100 files: $(peak_kb "$cli" --seed 1 "${files[@]:0:100}") kB"
echo "peak RSS of quillbat-cli, ${#files[@]} files: $(peak_kb "$cli" --seed 1 "${files[@]}") kB"
