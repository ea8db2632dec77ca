#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages from end to end, on this machine: builds them (tools/package.sh),
# installs them with apt, checks the menu entry, the manual page and the installed
# layout, starts the installed game offscreen (checking that it reads its data from
# /usr/share/games) and then, the way its menu entry does, in a real window under Xvfb;
# creates an account with the keyboard and checks that it lands in the user's data
# folder, readable by its owner only; measures the window at QT_SCALE_FACTOR=2; builds
# examples/reelpane-player against the installed libreelkit-dev; and purges the
# packages again. Root or sudo. --no-build takes the packages already in build-deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${1:-}" = --no-build ] || tools/package.sh
tools/install-deps.sh xvfb xauth xdotool desktop-file-utils man-db strace cmake g++

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
packages=(tidewatch libreelkit0 libreelkit-dev reelkit-designer-plugin)
for package in "${packages[@]}"; do
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "$package is installed already: remove it first, so this check can remove its own copy"
    exit 1
  fi
done
debs=()
for package in "${packages[@]}"; do debs+=("$(ls "$PWD"/build-deb/"$package"_*.deb)"); done
scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  $sudo apt-get purge -y "${packages[@]}" >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

for deb in "${debs[@]}"; do
  echo "== $(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
done
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${debs[@]}" >"$scratch/apt.log" \
  || { cat "$scratch/apt.log"; fail "apt could not install the packages"; }

entry=/usr/share/applications/example.orvane.Tidewatch.desktop
desktop-file-validate "$entry" || fail "the installed menu entry does not validate"
grep -q '^Categories=.*\bGame;' "$entry" || fail "the menu entry is not in the Games menu"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}px icon"
done
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for file in /usr/games/tidewatch /usr/share/games/tidewatch/radar.gif \
            /usr/lib/"$triplet"/tidewatch/libtidewatch_sound.so \
            /usr/lib/"$triplet"/tidewatch/libtidewatch_net.so \
            /usr/share/doc/tidewatch/README.md /usr/share/doc/libreelkit0/README.md \
            /usr/share/games/tidewatch/translations/tidewatch_de.qm \
            /usr/share/reelkit/translations/reelkit_de.qm; do
  dpkg -S "$file" >/dev/null 2>&1 || fail "$file is not installed by a package"
done
plugin=/usr/lib/$triplet/qt6/plugins/designer/libreelpane_designer.so
[ -f "$plugin" ] || fail "no Designer plugin"
! ldd "$plugin" | grep -q 'not found' || fail "the Designer plugin misses a library: $(ldd "$plugin")"
man -w tidewatch >/dev/null || fail "man tidewatch finds no page"
MANWIDTH=80 man tidewatch 2>/dev/null | grep -q 'TCP port' || fail "man tidewatch does not render"
echo "== installed in /usr/games, /usr/share/games, /usr/lib/$triplet/tidewatch; man tidewatch works"

# A player's session: Debian puts /usr/games in every user's PATH (root's lacks it).
export PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
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

# -noreset: the server would otherwise reset, refusing connections for a moment,
# each time its last client (a game that was just closed) goes away.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# start_game [VAR=value...]: starts the installed game (through the command in
# `wrapper`, if any); sets `window` and `game`, the game's own process.
wrapper=()
start_game() {
  env "$@" "${wrapper[@]}" "${launch[@]}" >>"$scratch/game.log" 2>&1 &
  pids+=($!)
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane Tidewatch$' | head -1) \
    || fail "no game window appeared"
  game=$(xdotool getwindowpid "$window")
  pids+=("$game")
}

# stop_game: ends the game and waits until it and its window are gone, so the next
# start_game cannot find the closing window of this one.
stop_game() {
  kill "$game"
  for _ in $(seq 100); do
    if ! kill -0 "$game" 2>/dev/null \
       && ! xdotool search --name '^Orvane Tidewatch$' >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end when asked to"
}

# The first run is traced, to see which files the installed game opens.
wrapper=(strace -f -qq -e trace=openat -o "$scratch/opened")
start_game
wrapper=()
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
[ ! -e /usr/games/data ] || fail "something wrote beside the installed program"
echo "== account created in $accounts, mode $mode"
# Logging in loads the radar animation and the sound library.
xdotool key Return
radar='"/usr/share/games/tidewatch/radar.gif"'
# The loader names it from the program's folder: /usr/games/../lib/...
sound="/lib/$triplet/tidewatch/libtidewatch_sound.so\""
for _ in $(seq 100); do
  grep -F "$radar" "$scratch/opened" | grep -qv ENOENT \
    && grep -F "$sound" "$scratch/opened" | grep -qv ENOENT && break
  sleep 0.1
done
grep -F "$radar" "$scratch/opened" | grep -qv ENOENT \
  || fail "after logging in, the game did not read $radar"
grep -F "$sound" "$scratch/opened" | grep -qv ENOENT \
  || fail "after logging in, the game did not load $sound"
echo "== logged in: the game read its radar animation from /usr/share/games/tidewatch and"
echo "   loaded libtidewatch_sound.so from /usr/lib/$triplet/tidewatch"
stop_game

start_game QT_SCALE_FACTOR=2
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "== window at QT_SCALE_FACTOR=2: ${WIDTH} x ${HEIGHT} device pixels"
[ "${WIDTH}x${HEIGHT}" = 1398x958 ] || fail "expected 1398 x 958"
stop_game

# Another project builds against the installed libreelkit-dev alone.
cmake -S examples/reelpane-player -B "$scratch/player" >"$scratch/player.log" 2>&1 \
  && cmake --build "$scratch/player" >>"$scratch/player.log" 2>&1 \
  || { cat "$scratch/player.log"; fail "examples/reelpane-player does not build against libreelkit-dev"; }
grep -q "^Reelkit_DIR:PATH=/usr/lib/$triplet/cmake/Reelkit$" "$scratch/player/CMakeCache.txt" \
  || fail "Reelkit came from elsewhere: $(grep ^Reelkit_DIR "$scratch/player/CMakeCache.txt")"
rc=0
"$scratch/player/reelpane-player" 2>"$scratch/player.err" || rc=$?
[ "$rc" -eq 2 ] && grep -q 'usage: reelpane-player' "$scratch/player.err" \
  || fail "reelpane-player did not start against the installed library ($rc): $(cat "$scratch/player.err")"
ldd "$scratch/player/reelpane-player" | grep -Eq "libreelkit.so.0 => (/usr)?/lib/$triplet/libreelkit.so.0 " \
  || fail "reelpane-player does not use the installed libreelkit"
echo "== examples/reelpane-player built against libreelkit-dev and started"

$sudo apt-get purge -y "${packages[@]}" >/dev/null
[ ! -e /usr/games/tidewatch ] || fail "the program is still there after removal"
for package in "${packages[@]}"; do
  ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed || fail "dpkg still lists $package"
done
[ -s "$accounts" ] || fail "purging took the player's accounts with it"
echo "== purged again, the player's accounts kept; round trip passed"
