#!/bin/sh
# The command line as Linux users expect it: --help and --version answer without a display; the
# toolkit's own options open the window; anything else is an error on standard error with a
# pointer to --help, exit 2, with a display or none; no display at all is one clear line and exit
# 1, never a crash; and the window starts without loading an image plugin.
# Usage: command_line.sh PROGRAM VERSION   (under xvfb-run: the cases that need a display use it)
set -u
program=$1
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
passed=0
failed=0
# One case: display (the server's or none), expected status, a pattern the output must match
# (standard output and error together), the arguments. A program still running after 1.5 s has
# opened its window: timeout's status 124. An error has 3 s to be said.
while IFS='|' read -r display status pattern arguments; do
    [ "$display" = with ] && shown=$DISPLAY || shown=''
    [ "$status" = 124 ] && limit=1.5 || limit=3
    # shellcheck disable=SC2086
    out=$(DISPLAY=$shown timeout "$limit" "$program" $arguments 2>&1)
    got=$?
    lines=$(printf '%s\n' "$out" | grep -c .)
    # An error says what to try next; no display is said in one line.
    if [ "$got" = "$status" ] && { [ -z "$pattern" ] || printf '%s' "$out" | grep -q -- "$pattern"; } \
        && { [ "$status" != 2 ] || printf '%s' "$out" | grep -q "^Try 'vorlank --help'"; } \
        && { [ "$status" != 1 ] || [ "$lines" = 1 ]; }; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: '$arguments' ($display display): status $got (expected $status), output: $out"
    fi
done <<CASES
none|0|^Usage: vorlank|--help
none|0|^Vorlank $2\$|--version
none|0|^Vorlank $2\$|-style Fusion --version
with|2|^vorlank: Unknown option 'bogus'|--bogus
with|2|^vorlank: unexpected argument 'stray'|stray
with|124||-style Fusion
with|124||-reverse
none|124||-platform offscreen
none|1|^vorlank: cannot open a window: could not connect to display|
none|2|^vorlank: Unknown option 'bogus'|-style Fusion --bogus
CASES
# The pictures and the icon are PNG, which Qt decodes itself: no image plugin at start-up.
if QT_DEBUG_PLUGINS=1 timeout 1.5 "$program" -platform offscreen 2>&1 | grep 'imageformats.*loaded library'
then
    failed=$((failed + 1))
    echo "FAIL: image plugins loaded at start-up"
else
    passed=$((passed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
