# What bench/season.sh and bench/paper.sh share: the season of generated files, the timing of a
# command against cat in alternating pairs and the peak memory of a command. Sourced, not run.

# Makes sure BUILD_DIR holds the programs named (paths), or stops with the bench's name.
require_programs() {
    local bench="$1" program
    shift
    for program in "$@"; do
        [ -x "$program" ] || { echo "$bench: $program is missing; build it first" >&2; exit 2; }
    done
    [ -x /usr/bin/time ] || { echo "$bench: /usr/bin/time is missing (apt-get install time)" >&2; exit 2; }
}

# Writes 2,430 season files into FOLDER with make_season and its options, unless it holds them,
# then sets files to them and prints their count, lines and bytes.
season_files() {
    local make_season="$1" folder="$2"
    shift 2
    if [ "$(find "$folder" -name '*.box' 2>/dev/null | wc -l)" -ne 2430 ]; then
        rm -rf "$folder"
        "$make_season" "$@" "$folder" 2430
    fi
    files=("$folder"/*.box)
    echo "season: ${#files[@]} files, $(cat "${files[@]}" | wc -l) lines, $(cat "${files[@]}" | wc -c) bytes"
}

# Wall-clock seconds of one run of the command, output to /dev/null.
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 ))" | awk '{ printf "%.3f", $1 / 1e6 }'
}

# The median of the numbers given.
median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The peak resident memory of one run of the command, in kB.
peak_kb() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}
