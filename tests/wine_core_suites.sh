#!/bin/sh
# The core's suites as the Windows program's core is built (mingw-w64, its C++ library, code
# page 936), run under Wine in a Western locale (ANSI code page 1252): the GBK conversions must
# not lean on the user's code page.
# Usage: wine_core_suites.sh WINDOWS_BUILD_DIR SCRATCH_DIR
set -eu
program="$1/core_suites.exe"
[ -f "$program" ] || { echo "FAIL: $program is missing: run 'make windows' first"; exit 1; }
wine_scratch=$2
. "$(dirname "$0")/wine_prefix.sh"
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 DISPLAY='' wine "$program"
