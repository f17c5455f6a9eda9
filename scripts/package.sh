#!/usr/bin/env bash
# Builds the Debian package: build/release/package/tessella_<version>_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"
rm -f build/release/package/tessella_*.deb
(cd build/release && cpack -G DEB >package.log 2>&1) || { cat build/release/package.log; exit 1; }
ls build/release/package/tessella_*.deb
