#!/usr/bin/env bash
# Installs what is missing, then configures and builds Vantrobe in ./build (or $VANTROBE_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${VANTROBE_BUILD_DIR:-build}
# A compiler cache, where the machine has one, makes rebuilds of other checkouts quick.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$PWD")}
fi
cmake -S . -B "$build_dir" -G Ninja "${launcher[@]}" "$@"
cmake --build "$build_dir"
