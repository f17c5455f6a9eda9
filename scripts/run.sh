#!/usr/bin/env bash
# Installs what is missing, builds Tessella and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"

# The program folder is the working directory; the build lays out the standard one.
game=$(pwd)/build/release/app/tessella
cd build/release/content
exec "$game" "$@"
