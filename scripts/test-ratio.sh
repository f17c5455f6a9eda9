#!/usr/bin/env bash
# Counts the lines of tests against the lines of code they cover, overall and
# per source folder. Blank lines and whole-line // comments are not counted.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  local n
  n=$(git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -cvE '^\s*(//.*)?$' || true)
  echo "${n:-0}"
}

ratio() { [ "$2" -gt 0 ] && echo $((100 * $1 / $2)) || echo 0; }

printf '%-12s %8s %8s %6s\n' folder code tests ratio
for dir in $(git ls-files -- 'tests/*' | cut -d/ -f2 | sort -u); do
  [ -d "$dir" ] || continue
  code=$(count "$dir")
  tests=$(count "tests/$dir")
  printf '%-12s %8d %8d %5d%%\n' "$dir" "$code" "$tests" "$(ratio "$tests" "$code")"
done
code=$(git ls-files -- '*.cpp' '*.h' | grep -vE '^(tests|bench|fuzz)/' | xargs -r cat | grep -cvE '^\s*(//.*)?$' || true)
tests=$(count tests)
printf '%-12s %8d %8d %5d%%\n' all "$code" "$tests" "$(ratio "$tests" "$code")"
