#!/usr/bin/env bash
# Checks the Debian package the way a user meets it: builds and validates it, installs it with
# apt-get, starts the game with a fresh home folder, runs the tools and the manual page, removes it
# and looks for anything it left behind. Needs root, since it installs into the system.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ "$(id -u)" -ne 0 ]; then
  echo "Package check skipped: installing the package needs root."
  exit 0
fi

bash scripts/package.sh >/dev/null
deb=$(ls "$root"/build/release/package/tessella_*.deb)
work=$(mktemp -d)
home="$work/home"
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
export DEBIAN_FRONTEND=noninteractive
# Waits for another apt or dpkg run to finish instead of failing.
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)
cleanup() {
  "${apt[@]}" purge tessella >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "Package check failed: $*" >&2
  exit 1
}

echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -x "$deb" "$work/tree"
appstreamcli validate --no-net "$work"/tree/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$work/tree/usr/share/applications/tessella.desktop" && echo "desktop file: valid"
# Errors fail the check; warnings and notes are shown. Running as root only earns a notice.
lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian reports errors"; }
grep -v '^running with root' "$work/lintian" || echo "lintian: no tags"

"${apt[@]}" purge tessella >/dev/null 2>&1 || true
"${apt[@]}" install "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
dpkg -L tessella | sort >"$work/files"

# Started as the desktop file says, through the PATH of a login, with a fresh home folder.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/tessella.desktop)
icon=$(sed -n 's/^Icon=//p' /usr/share/applications/tessella.desktop)
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no icon named $icon"
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
login_path=/usr/local/bin:/usr/bin:/bin:/usr/games
(cd "$home" && env -u XDG_DATA_HOME HOME="$home" PATH="$login_path" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
  xvfb-run -a $exec_line --screenshot "$work/shot.png" --ticks 100)
[[ "$(file -b "$work/shot.png")" == "PNG image data"* ]] || fail "the game saved no main window picture"
folder="$home/.local/share/tessella"
for seeded in Tessella.ini Standard.tsb Standard.tsp Base.ts Document/TSReadme.htm; do
  cmp -s "/usr/share/tessella/$seeded" "$folder/$seeded" || fail "$seeded was not seeded from /usr/share/tessella"
done
echo "ran $(PATH=$login_path command -v tessella) under X: program folder seeded from /usr/share/tessella"

# The tools, when the package has them: their help, then a short real run on the seeded folder.
for tool in tessella-analyze tessella-match; do
  if PATH=$login_path command -v "$tool" >/dev/null; then
    PATH=$login_path "$tool" --help >/dev/null || fail "$tool --help"
    MANWIDTH=80 man -P cat "$tool" 2>/dev/null | grep -q -- '--help' || fail "man $tool"
    echo "ran $tool --help, man $tool"
  fi
done
if [ -x /usr/games/tessella-analyze ]; then
  start="$(printf '.%.0s' {1..28})....XO........OX....$(printf '.%.0s' {1..28}) X"
  scores=$(/usr/games/tessella-analyze --time 100 --position "$start") || fail "tessella-analyze"
  grep -Eq '^[a-j]([1-9]|10) [+-]?[0-9]+$' <<<"$scores" || fail "tessella-analyze scored no move of the start position"
  echo "ran tessella-analyze on the start position"
fi
if [ -x /usr/games/tessella-match ]; then
  result=$(/usr/games/tessella-match --dir "$folder" --games 2 --jobs 1 Standard.tsp:Brain_000 Standard.tsp:Brain_001 \
    2>/dev/null) || fail "tessella-match"
  result=${result##*$'\n'}
  [[ "$result" =~ :\ [0-9]+\ wins,\ [0-9]+\ losses,\ [0-9]+\ draws$ ]] || fail "tessella-match played no match"
  echo "ran tessella-match on the seeded program folder: $result"
fi
manual=$(MANWIDTH=80 man -P cat tessella 2>/dev/null) || fail "man tessella"
[[ "$manual" == *"PROGRAM FOLDER"*"Tessella.ini"*"Records/"* ]] || fail "man tessella lacks the program folder or its files"
echo "man tessella: shown"

# The package has no configuration files, so remove leaves nothing for a purge.
"${apt[@]}" remove tessella >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
left=()
while read -r path; do
  if [ -f "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <"$work/files"
while read -r path; do
  left+=("$path")
done < <(find /usr /etc /opt /var/lib/dpkg/info /var/games -path "$root" -prune -o -iname '*tessella*' -print 2>/dev/null)
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
echo "removed: nothing left outside the user's program folder"
