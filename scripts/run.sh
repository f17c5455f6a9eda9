#!/usr/bin/env bash
# Installs what is missing, builds Tessella and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"

game=build/release/app/tessella
if [ ! -x "$game" ]; then
  echo "The game window is not built yet: this checkout has the engine, the computer players and the data files, with their tests." >&2
  exit 1
fi
exec "$game" "$@"
