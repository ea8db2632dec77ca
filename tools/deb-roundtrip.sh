#!/usr/bin/env bash
# The Debian package from end to end, on this machine: builds it (tools/package.sh),
# installs it with apt, starts the installed game offscreen and then, the way its menu
# entry does, in a real window under Xvfb; creates an account with the keyboard and
# checks that it lands in the user's data folder, readable by its owner only; measures
# the window at QT_SCALE_FACTOR=2; and purges the package again. Root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/package.sh
tools/install-deps.sh xvfb xauth xdotool desktop-file-utils

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if dpkg-query -W -f='${Status}' tidewatch 2>/dev/null | grep -q "install ok installed"; then
  echo "tidewatch is installed already: remove it first, so this check can remove its own copy"
  exit 1
fi
deb=$(ls "$PWD"/build-deb/tidewatch_*.deb)
scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  $sudo apt-get purge -y tidewatch >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

echo "== $(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb" >"$scratch/apt.log" \
  || { cat "$scratch/apt.log"; fail "apt could not install the package"; }

entry=/usr/share/applications/example.orvane.Tidewatch.desktop
desktop-file-validate "$entry" || fail "the installed menu entry does not validate"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}px icon"
done
dpkg -L tidewatch | grep -q '/tidewatch/libtidewatch_sound\.so$' || fail "the sound library is not installed"
dpkg -L tidewatch | grep -q '/tidewatch/libtidewatch_net\.so$' || fail "the network library is not installed"
read -r -a launch <<< "$(sed -n 's/^Exec=//p' "$entry")"
echo "== menu entry runs: ${launch[*]} ($(command -v "${launch[0]}"))"

# A player of our own, with nothing in their data folder yet.
export HOME="$scratch/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
accounts="$HOME/.local/share/tidewatch/players.txt"

rc=0
QT_QPA_PLATFORM=offscreen timeout 5 "${launch[@]}" >"$scratch/offscreen.log" 2>&1 || rc=$?
[ "$rc" -eq 124 ] || { cat "$scratch/offscreen.log"; fail "offscreen: the game ended by itself ($rc)"; }
echo "== offscreen: the game opened and was still running after 5 s"

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# start_game [VAR=value...]: starts the installed game, prints its window id.
start_game() {
  env "$@" "${launch[@]}" >>"$scratch/game.log" 2>&1 &
  pids+=($!)
  game=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane Tidewatch$' | head -1) \
    || fail "no game window appeared"
}

start_game
xdotool windowfocus --sync "$window"
sleep 1
# The user name box has the focus when the window opens; Enter in the password box
# presses "Create Player" for a new name.
xdotool type --delay 40 "Roundtrip"
xdotool key Tab
xdotool type --delay 40 "tide 1987"
xdotool key Return
for _ in $(seq 50); do [ -s "$accounts" ] && break; sleep 0.1; done
[ -s "$accounts" ] || { cat "$scratch/game.log"; fail "no account file in $accounts"; }
[ "$(cat "$accounts")" = $'Roundtrip\r\ntide 1987\r' ] || fail "unexpected account file: $(od -c "$accounts")"
mode=$(stat -c %a "$accounts")
[ "$mode" = 600 ] || fail "the account file has mode $mode, not 600"
[ ! -e /usr/bin/data ] || fail "something wrote beside the installed program"
echo "== account created in $accounts, mode $mode"
kill "$game"

start_game QT_SCALE_FACTOR=2
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "== window at QT_SCALE_FACTOR=2: ${WIDTH} x ${HEIGHT} device pixels"
[ "${WIDTH}x${HEIGHT}" = 1398x958 ] || fail "expected 1398 x 958"
kill "$game"

$sudo apt-get purge -y tidewatch >/dev/null
[ ! -e /usr/bin/tidewatch ] || fail "the program is still there after removal"
! dpkg-query -W -f='${Status}' tidewatch 2>/dev/null | grep -q installed || fail "dpkg still lists tidewatch"
echo "== purged again; round trip passed"
