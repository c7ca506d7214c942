#!/usr/bin/env bash
# Installs the Debian 12 packages Vantrobe builds, runs and tests with, skipping any already
# present. Safe to run again: when nothing is missing it does nothing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libsqlite3-dev libminizip-dev zlib1g-dev libtiff-dev libcurl4-openssl-dev libsodium-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # fonts the page images and letters are drawn with
  fonts-liberation fonts-ocr-a
  # run time: Qt's offscreen and X11 platform plugins
  qt6-qpa-plugins
  # test-only checkers
  poppler-utils qpdf libtiff-tools sqlite3 zip unzip python3 python3-aiosmtpd xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
