#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for SECONDS, one
# after the other. New inputs collect in build-fuzz/corpus/<target> (seeded from
# fuzz/corpus/<target>); a crash or failed check leaves its input in build-fuzz/artifacts/.
#   fuzz/run_fuzzers.sh SECONDS
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
cd "$QUILLBAT_ROOT"

seconds="${1:-600}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: ./test.sh fuzz SECONDS   (a whole number of seconds per target)" >&2
    exit 2
fi

ensure_packages clang libclang-rt-14-dev
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUILLBAT_FUZZ=ON -DQUILLBAT_BUILD_GUI=OFF -DQUILLBAT_BUILD_TESTS=OFF >/dev/null
targets=(boxscore_reader phrase_file play_by_play)
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

status=0
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target" build-fuzz/artifacts
    cp -n "fuzz/corpus/$target/"* "build-fuzz/corpus/$target/"
    inputs=("build-fuzz/corpus/$target")
    [ -d "fuzz/regressions/$target" ] && inputs+=("fuzz/regressions/$target")
    echo "== fuzz_$target for $seconds s"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build-fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" "${inputs[@]}" || status=1
done
exit "$status"
