#!/usr/bin/env bash
# Installs what is missing, builds, checks the layers, and runs every test.
#   --sanitize  builds with AddressSanitizer and UndefinedBehaviorSanitizer in its own folder
#               (./build-sanitize, or $VANTROBE_BUILD_DIR) and runs the whole suite there.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake_options=()
build_dir=${VANTROBE_BUILD_DIR:-build}
if [[ "${1:-}" == "--sanitize" ]]; then
    build_dir=${VANTROBE_BUILD_DIR:-build-sanitize}
    cmake_options+=(-DVANTROBE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    # Leaks of the toolkit's caches at exit are not the program's; every other finding fails.
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
elif [[ $# -gt 0 ]]; then
    echo "usage: $0 [--sanitize]" >&2
    exit 2
fi
VANTROBE_BUILD_DIR="$build_dir" bash scripts/build.sh "${cmake_options[@]}"
# No product file may include a folder above its own (README, "Where things are").
bash scripts/check-layers.sh
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
