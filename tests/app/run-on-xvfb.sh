#!/bin/sh
# Runs a test program on a fresh Xvfb server with the xcb platform: "openbox TEST" under that
# window manager, "bare TEST" with none. Exits 77 (skipped) only when xvfb-run is missing.
set -eu
manager=$1
shift
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "skipped: xvfb-run is missing (scripts/setup.sh installs xvfb)"
  exit 77
fi
export QT_QPA_PLATFORM=xcb
export TESSELLA_WINDOW_MANAGER="$manager"
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  set -eu
  if [ "$TESSELLA_WINDOW_MANAGER" = openbox ]; then
    ready=$(mktemp -u)
    openbox --sm-disable --startup "touch $ready" &
    manager=$!
    tries=0
    until [ -e "$ready" ]; do
      tries=$((tries + 1))
      if [ $tries -gt 200 ]; then echo "openbox did not start"; exit 1; fi
      sleep 0.05
    done
    rm -f "$ready"
    status=0
    "$@" || status=$?
    kill $manager 2>/dev/null || true
    exit $status
  fi
  exec "$@"
' run-on-xvfb "$@"
