#!/bin/sh
# Runs a command on this X display with a window manager, as a desktop has one: a new window takes
# the keyboard, a closed box gives it back to its window, and a program can bring another's window
# to the front. A missing one is said, and the command is not run (CTest's "skipped").
# Usage: xvfb-run -a with_window_manager.sh COMMAND [ARGUMENTS...]
command -v openbox >/dev/null || { echo "SKIPPED: no window manager (openbox)"; exit 77; }
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null' EXIT
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
"$@"
