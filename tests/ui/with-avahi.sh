#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program beside a D-Bus system bus and an Avahi daemon of its own, in a
# private network namespace: the machine's own services are never touched. The bus
# listens on a socket of its own (DBUS_SYSTEM_BUS_ADDRESS tells the daemon and the
# game); Avahi's fixed run folder is covered by a private mount where a mount namespace
# can be made. Inside a chroot, whose root is no mount point, none can: the chroot's
# own run folder is used then, as long as no Avahi daemon runs there.
# Exits 77 (skipped) where that cannot be set up.
if [ "$1" = --inside ]; then
    shift
    if [ "$TIDEWATCH_AVAHI_RUN" = private ]; then
        mkdir -p /run/avahi-daemon && mount -t tmpfs tmpfs /run/avahi-daemon || exit 1
    fi
    mkdir -p /run/avahi-daemon || exit 1
    ip link set lo up && ip link set lo multicast on || exit 1
    bus_dir=$(mktemp -d) || exit 1
    chmod 755 "$bus_dir"
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$bus_dir/system_bus_socket"
    dbus-daemon --system --nofork --nopidfile --address="$DBUS_SYSTEM_BUS_ADDRESS" 2>/dev/null & bus=$!
    tries=0
    until [ -S "$bus_dir/system_bus_socket" ]; do
        tries=$((tries + 1))
        [ $tries -gt 200 ] && { echo "dbus-daemon did not start"; kill $bus; exit 1; }
        sleep 0.05
    done
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
    rm -rf "$bus_dir"
    exit $status
fi
# A missing program is a missing install step, not a reason to skip.
for tool in unshare ip dbus-daemon dbus-send avahi-daemon avahi-publish; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is not installed (tools/check.sh installs it)"; exit 1; }
done
unshare -n true 2>/dev/null || { echo "SKIP: cannot create a network namespace here (needs root)"; exit 77; }
if unshare -n -m true 2>/dev/null; then
    TIDEWATCH_AVAHI_RUN=private exec unshare -n -m sh "$0" --inside "$@"
fi
avahi-daemon --check 2>/dev/null && {
    echo "SKIP: no mount namespace here, and an Avahi daemon of this system holds its run folder"; exit 77; }
TIDEWATCH_AVAHI_RUN=shared exec unshare -n sh "$0" --inside "$@"
