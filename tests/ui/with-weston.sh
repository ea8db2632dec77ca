#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as a Wayland client of a weston of its own. Weston's X11 back end
# runs inside an Xvfb started here on a free display: unlike the headless back end it
# gives clients a seat (pointer and keyboard), as a desktop does, and Qt's text input
# needs one. Weston gets a private runtime folder (mode 0700, as the Wayland library
# demands) and socket, reads no weston.ini, and both servers go whatever the test does.
# A missing program fails, naming its package; a compositor that cannot start here
# exits 77 (skipped), saying why.
set -euo pipefail
for tool in Xvfb:xvfb weston:weston; do
  command -v "${tool%%:*}" >/dev/null || {
    echo "FAIL: ${tool%%:*} is not installed (Debian: ${tool#*:}; tools/check.sh installs it)" >&2; exit 1; }
done
runtime=$(mktemp -d)
chmod 700 "$runtime"
xvfb="" weston=""
stop() {
  [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 143' TERM INT
# Waits up to ten seconds for CONDITION while PID lives; fails otherwise.
wait_for() {
  local pid=$1; shift
  for _ in $(seq 200); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}
skip() { echo "SKIP: $1" >&2; [ -f "$2" ] && tail -n 5 "$2" >&2; exit 77; }

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
wait_for "$xvfb" grep -q . "$runtime/display" || skip "Xvfb did not start" "$runtime/xvfb.log"
socket=tidewatch-test
DISPLAY=":$(cat "$runtime/display")" XDG_RUNTIME_DIR="$runtime" weston --no-config \
  --backend=x11-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
  --socket="$socket" >/dev/null 2>"$runtime/weston.log" &
weston=$!
wait_for "$weston" test -S "$runtime/$socket" || skip "weston did not start" "$runtime/weston.log"

# DISPLAY goes, so nothing in the test can fall back to X11.
set +e
env -u DISPLAY QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" "$@"
