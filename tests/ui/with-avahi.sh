#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program beside a D-Bus system bus and an Avahi daemon of its own, in a
# private network and mount namespace: the machine's own services are never touched.
# Exits 77 (skipped) where that cannot be set up.
if [ "$1" = --inside ]; then
    shift
    mkdir -p /run/dbus /run/avahi-daemon
    mount -t tmpfs tmpfs /run/dbus && mount -t tmpfs tmpfs /run/avahi-daemon || exit 1
    ip link set lo up && ip link set lo multicast on || exit 1
    dbus-daemon --system --nofork --nopidfile 2>/dev/null & bus=$!
    while [ ! -S /run/dbus/system_bus_socket ]; do sleep 0.05; done
    avahi-daemon --no-drop-root --no-chroot --no-rlimits -s 2>/dev/null & avahi=$!
    tries=0
    until dbus-send --system --print-reply --dest=org.freedesktop.Avahi / \
            org.freedesktop.Avahi.Server.GetState 2>/dev/null | grep -q 'int32 2'; do
        tries=$((tries + 1))
        [ $tries -gt 200 ] && { echo "avahi-daemon did not start"; kill $avahi $bus; exit 1; }
        sleep 0.05
    done
    "$@"; status=$?
    # The test may have started the daemon again itself.
    avahi-daemon --kill 2>/dev/null; kill $avahi $bus 2>/dev/null; wait
    exit $status
fi
# A missing program is a missing install step, not a reason to skip.
for tool in unshare ip dbus-daemon dbus-send avahi-daemon avahi-publish; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is not installed (tools/check.sh installs it)"; exit 1; }
done
unshare -n -m true 2>/dev/null || { echo "SKIP: cannot create a network and mount namespace here (needs root)"; exit 77; }
exec unshare -n -m sh "$0" --inside "$@"
