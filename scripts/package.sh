#!/usr/bin/env bash
# Builds the Debian package, build/release/package/tessella_<version>_<architecture>.deb,
# and the screenshot the software centre shows.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"
rm -f build/release/package/tessella_*.deb
(cd build/release && cpack -G DEB >package.log 2>&1) || { cat build/release/package.log; exit 1; }
# The software centre's screenshot, to be put at the metainfo's screenshot address.
folder=$(mktemp -d)
# The launcher enters the program folder first, so the picture needs a full path.
QT_QPA_PLATFORM=offscreen build/release/app/tessella --dir "$folder" \
  --screenshot "$(pwd)/build/release/package/screenshot-main.png" --ticks 300 2>/dev/null
rm -rf "$folder"
ls build/release/package/tessella_*.deb build/release/package/screenshot-main.png
