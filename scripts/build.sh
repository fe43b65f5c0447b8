#!/usr/bin/env bash
# Configures and builds the project into build/ (or $TAVO_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVO_BUILD_DIR:-$top/build}
generator=()
command -v ninja >/dev/null && [ ! -f "$build/Makefile" ] && generator=(-G Ninja)
cmake -S "$top" -B "$build" "${generator[@]}" "$@" >/dev/null
cmake --build "$build" -j2
