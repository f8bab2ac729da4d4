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
source "$(dirname "${BASH_SOURCE[0]}")/season_timing.sh"
require_programs paper.sh "$cli" "$build/make_season"
season_files "$build/make_season" "$season" --schedule

# One run of each before timing, so both find the files in the page cache.
cat "${files[@]}" >/dev/null
rm -rf "$out"
"$cli" --paper "$out" --seed 1 "${files[@]}" >/dev/null
echo "pages written: $(find "$out" -type f | wc -l) (with index.html and paper.css)"

ratios=()
story_ratios=()
for ((pair = 1; pair <= pairs; ++pair)); do
    cat_s=$(seconds cat "${files[@]}")
    rm -rf "$out"
    paper_s=$(seconds "$cli" --paper "$out" --seed "$pair" "${files[@]}")
    rm -rf "$out"
    story_s=$(seconds "$cli" --paper "$out" --story --seed "$pair" "${files[@]}")
    ratio=$(awk -v a="$paper_s" -v b="$cat_s" 'BEGIN { printf "%.2f", a / b }')
    story_ratio=$(awk -v a="$story_s" -v b="$cat_s" 'BEGIN { printf "%.2f", a / b }')
    ratios+=("$ratio")
    story_ratios+=("$story_ratio")
    echo "pair $pair: cat ${cat_s} s, quillbat-cli --paper ${paper_s} s (ratio $ratio), with --story ${story_s} s (ratio $story_ratio)"
done
echo "median ratio quillbat-cli --paper / cat over $pairs pairs: $(median "${ratios[@]}"), with --story $(median "${story_ratios[@]}") (goal: 3, aim: 1.5)"

rm -rf "$out"
echo "peak RSS of quillbat-cli --paper, 100 files (7 days): $(peak_kb "$cli" --paper "$out" --seed 1 "${files[@]:0:100}") kB"
rm -rf "$out"
echo "peak RSS of quillbat-cli --paper, ${#files[@]} files (162 days): $(peak_kb "$cli" --paper "$out" --seed 1 "${files[@]}") kB"
