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
source "$(dirname "${BASH_SOURCE[0]}")/season_timing.sh"
require_programs season.sh "$cli" "$build/make_season"
season_files "$build/make_season" "$season"

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
echo "median ratio quillbat-cli / cat over $pairs pairs: $(median "${ratios[@]}")"

echo "peak RSS of quillbat-cli, 100 files: $(peak_kb "$cli" --seed 1 "${files[@]:0:100}") kB"
echo "peak RSS of quillbat-cli, ${#files[@]} files: $(peak_kb "$cli" --seed 1 "${files[@]}") kB"
