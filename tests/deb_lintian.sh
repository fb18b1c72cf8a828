#!/bin/sh
# Builds the .deb and has Debian's own checker look at it: no error and no warning may remain
# (those kept on purpose are overridden, each with its reason, in the package itself).
# Usage: deb_lintian.sh BUILD_DIR
set -eu
cd "$1"
rm -f vorlank_*.deb
cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
deb=$(ls vorlank_*.deb)
dpkg-deb --field "$deb" Depends Recommends Section Maintainer
lintian --fail-on error,warning --info "$deb"
echo "1 passed, 0 failed"
