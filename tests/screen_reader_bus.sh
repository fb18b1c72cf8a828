#!/bin/sh
# Runs a command with the accessibility bus a screen reader listens on, as a desktop session has
# it, so that the toolkit reports to screen readers what it would report to a real one.
# Usage: dbus-run-session -- screen_reader_bus.sh COMMAND [ARGUMENTS...]   (under xvfb-run)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
