#!/bin/sh
# Runs a test program as a screen reader's user meets it: on an X server of its own (Xvfb), with
# a session bus of its own that starts the accessibility bus and its registry when asked.
set -eu
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    GOALRUN_ACCESSIBILITY_BUS=1
# The X keyboard library reads a string the way the sanitizer's strict string checks take for an
# overflow; the checks stay on everywhere else.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
dbus-run-session -- xvfb-run -a -s "-screen 0 1366x768x24" "$@"
