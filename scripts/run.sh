#!/usr/bin/env bash
# Installs what is missing, builds Tessella and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"

# Without --dir the game uses ~/.local/share/tessella, seeded from this build's content on first start.
exec build/release/app/tessella "$@"
