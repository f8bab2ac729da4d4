#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Quillbat.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
cd "$QUILLBAT_ROOT"

ensure_packages "${QUILLBAT_PACKAGES[@]}"
configure_and_build build

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/quillbat
fi

example=examples/2026081904801.box
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the desktop program needs one."
echo "Instead, the command-line tool on $example."
echo "Game record of $example:"
./build/quillbat-cli --record "$example"
echo
echo "Article of $example:"
./build/quillbat-cli "$example"
