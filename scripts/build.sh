#!/usr/bin/env bash
# Installs what is missing, then configures and builds Vantrobe in ./build (or $VANTROBE_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${VANTROBE_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir"
