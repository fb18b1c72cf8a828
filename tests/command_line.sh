#!/bin/sh
# The command line as Linux users expect it: --help and --version answer and exit 0 without
# opening a window (no display is set here), anything else is an error on standard error, exit 2.
# Usage: command_line.sh PROGRAM VERSION
set -u
program=$1
passed=0
failed=0
check() { # what, expected status, actual status, output that must appear, output
    if [ "$3" = "$2" ] && printf '%s' "$5" | grep -q -- "$4"; then passed=$((passed + 1)); else
        failed=$((failed + 1))
        echo "FAIL: $1: status $3 (expected $2), output: $5"
    fi
}
out=$(DISPLAY='' "$program" --help 2>/dev/null); check --help 0 $? '^Usage: vorlank' "$out"
out=$(DISPLAY='' "$program" --version 2>/dev/null); check --version 0 $? "^Vorlank $2\$" "$out"
out=$(DISPLAY='' "$program" --bogus 2>&1 >/dev/null); check --bogus 2 $? 'bogus' "$out"
out=$(DISPLAY='' "$program" stray 2>&1 >/dev/null); check 'a stray argument' 2 $? 'stray' "$out"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
