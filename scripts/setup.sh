#!/usr/bin/env bash
# Installs every Debian package Tessella needs to build, test, fuzz, run and package.
# Skips apt entirely when everything is already present.
set -euo pipefail

packages=(
  g++ clang cmake ninja-build pkg-config
  qt6-base-dev libjpeg-dev libzip-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  libclang-rt-14-dev
  xvfb xauth openbox
  dpkg-dev file man-db lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
