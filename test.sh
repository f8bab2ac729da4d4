#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test.
#   ./test.sh            the tests
#   ./test.sh sanitize   the tests again, built with AddressSanitizer and UBSan (build-sanitize/)
#   ./test.sh fuzz SECONDS  each libFuzzer target of fuzz/ for SECONDS, built with clang
#                        (installed when missing) into build-fuzz/
#   ./test.sh format     checks that every C++ source is formatted with .clang-format
#   ./test.sh windows    the core tests, quillbat-cli and the desktop program cross-built for
#                        Windows (build-windows/), run under Wine, quillbat-cli compared byte
#                        for byte with the Linux build, the desktop program driven under Xvfb;
#                        makes build-windows/quillbat-windows.zip
#   ./test.sh formats    the HTML and Markdown of every example through tidy, headless Chromium
#                        and cmark (installed when missing)
#   ./test.sh package    the Debian package (build-package/), installed in a bare Debian 12,
#                        used by a user who is not root, and removed (as root)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
cd "$QUILLBAT_ROOT"

# CTest shows the output of a failed test only: runs the tests of the build folder given, then
# prints why each skipped test skipped (its "skipped: ..." line) and the test's name.
run_tests() {
    local status=0
    ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" || status=$?
    awk '/^[0-9]+\/[0-9]+ Test: / { test = $3 }
         /^skipped: / { print $0 " [" test "]" }' "$1/Testing/Temporary/LastTest.log"
    return "$status"
}

mode="${1:-}"
ensure_packages "${QUILLBAT_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

case "$mode" in
"")
    configure_and_build build
    run_tests build
    ;;
sanitize)
    configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLBAT_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_tests build-sanitize
    ;;
windows)
    configure_and_build build
    scripts/windows-check.sh build build-windows
    scripts/windows-install-check.sh build build-windows
    ;;
package)
    scripts/package-check.sh
    ;;
formats)
    configure_and_build build
    scripts/formats-check.sh build
    ;;
format)
    ensure_packages clang-format
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    echo "Every C++ source is formatted."
    ;;
fuzz)
    fuzz/run_fuzzers.sh "${2:-}"
    ;;
*)
    echo "usage: ./test.sh [sanitize|format|formats|windows|package|fuzz SECONDS]" >&2
    exit 2
    ;;
esac
