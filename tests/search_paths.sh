#!/bin/sh
# No built program may look for libraries in the working directory or in a path relative to it:
# every RPATH/RUNPATH entry must be absolute or start at $ORIGIN.
# Usage: search_paths.sh PROGRAM...
set -eu
passed=0
failed=0
for program in "$@"; do
    paths=$(readelf -d "$program" | sed -n 's/.*(R[UN]*PATH).*\[\(.*\)\]/\1/p')
    bad=$(printf '%s\n' "$paths" | awk -v RS=':' 'NR && $0 !~ /^(\/|\$ORIGIN)/ { print NR }' \
        | head -n 1)
    if [ -n "$paths" ] && [ -n "$bad" ]; then
        failed=$((failed + 1))
        echo "FAIL: $program searches '$paths'"
    else
        passed=$((passed + 1))
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
