#!/bin/sh
# Lighthouse's scores for the page served locally, on its mobile profile (a slow phone: four
# times slower processor, slow network) and its desktop one, with the figures the responsiveness
# goal is about: total blocking time, the longest task after the first paint and the max potential
# first input delay. Lighthouse 12.2.3 comes from npm into a scratch folder (13 needs a newer
# Node), and drives Debian's Chromium.
# Usage: bench/lighthouse.sh [WEB_BUILD_DIR]   (after `make web`)
set -eu
build=$(cd "${1:-build-web}" && pwd)
tools=${TMPDIR:-/tmp}/vorlank-lighthouse
[ -x "$tools/node_modules/.bin/lighthouse" ] ||
    npm install --prefix "$tools" --no-audit --no-fund --loglevel=error lighthouse@12.2.3
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build" >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
sleep 1
for profile in mobile desktop; do
    preset=""
    [ "$profile" = desktop ] && preset=--preset=desktop
    # shellcheck disable=SC2086
    CHROME_PATH=/usr/bin/chromium "$tools/node_modules/.bin/lighthouse" \
        "http://127.0.0.1:$port/index.html" $preset --quiet --output=json \
        --output-path="$tools/$profile.json" \
        --chrome-flags="--headless=new --no-sandbox --disable-gpu --disable-background-networking"
    python3 - "$tools/$profile.json" "$profile" <<'REPORT'
import json, sys
report = json.load(open(sys.argv[1]))
scores = " ".join(f"{k} {round(v['score'] * 100)}" for k, v in report["categories"].items())
audits = report["audits"]
paint = audits["first-contentful-paint"]["numericValue"]
tasks = [t["duration"] for t in audits["long-tasks"]["details"]["items"] if t["startTime"] >= paint]
print(f"{sys.argv[2]}: {scores}; total blocking time {audits['total-blocking-time']['numericValue']:.0f} ms,"
      f" max potential first input delay {audits['max-potential-fid']['numericValue']:.0f} ms,"
      f" longest task after the first paint {max(tasks, default=0):.0f} ms")
REPORT
done
