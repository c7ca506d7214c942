#!/usr/bin/env bash
# Fails when a product file includes a folder above its own in the order of the layers
# (README, "Where things are"), listing every such file and include.
#   scripts/check-layers.sh [source folder]   (default: this checkout)
set -euo pipefail
exec python3 "$(dirname "$0")/check-layers.py" "$@"
