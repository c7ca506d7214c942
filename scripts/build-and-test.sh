#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd "${VANTROBE_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
