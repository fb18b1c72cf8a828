#!/bin/sh
# Lighthouse's scores for the page served locally, on its mobile profile (a slow phone: four
# times slower processor, slow network) and its desktop one, with the figures the responsiveness
# goal is about: total blocking time, the longest task after the first paint and the max potential
# first input delay. Each run of the page is paired with one of its floor: the same index.html
# and stylesheets with no program (as in bench/web_startup.py), which the browser draws but which
# does nothing, so that what is the browser's own drawing shows apart from what the program adds.
# Lighthouse 12.2.3 comes from npm into a scratch folder (13 needs a newer Node), and drives
# Debian's Chromium.
# Usage: bench/lighthouse.sh [WEB_BUILD_DIR] [RUNS]   (after `make web`; RUNS defaults to 3)
set -eu
build=$(cd "${1:-build-web}" && pwd)
runs=${2:-3}
tools=${TMPDIR:-/tmp}/vorlank-lighthouse
[ -x "$tools/node_modules/.bin/lighthouse" ] ||
    npm install --prefix "$tools" --no-audit --no-fund --loglevel=error lighthouse@12.2.3
site=$(mktemp -d)
cp -r "$build"/. "$site"
python3 - "$site" <<'FLOOR'
import pathlib, re, sys
site = pathlib.Path(sys.argv[1])
html = (site / "index.html").read_text(encoding="utf-8")
# The program's scripts: vorlank.js, and the page's start script, which draws its views and
# loads its WebAssembly from disk.
PROGRAM = r"<script[^>]*></script>\n|<script>\n.*?</script>\n"
(site / "floor.html").write_text(re.sub(PROGRAM, "", html, flags=re.DOTALL), encoding="utf-8")
FLOOR
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
trap 'kill $server; rm -rf "$site"' EXIT
sleep 1
for profile in mobile desktop; do
    preset=""
    [ "$profile" = desktop ] && preset=--preset=desktop
    run=1
    while [ "$run" -le "$runs" ]; do
        for page in index floor; do
            # shellcheck disable=SC2086
            CHROME_PATH=/usr/bin/chromium "$tools/node_modules/.bin/lighthouse" \
                "http://127.0.0.1:$port/$page.html" $preset --quiet --output=json \
                --output-path="$tools/$profile.json" \
                --chrome-flags="--headless=new --no-sandbox --disable-gpu --disable-background-networking"
            python3 - "$tools/$profile.json" "$profile" "$page" <<'REPORT'
import json, sys
report = json.load(open(sys.argv[1]))
scores = " ".join(f"{k} {round(v['score'] * 100)}" for k, v in report["categories"].items())
audits = report["audits"]
paint = audits["first-contentful-paint"]["numericValue"]
tasks = [t["duration"] for t in audits["long-tasks"]["details"]["items"] if t["startTime"] >= paint]
print(f"{sys.argv[2]}, {'page ' if sys.argv[3] == 'index' else 'floor'}: {scores};"
      f" total blocking time {audits['total-blocking-time']['numericValue']:.0f} ms,"
      f" max potential first input delay {audits['max-potential-fid']['numericValue']:.0f} ms,"
      f" longest task after the first paint {max(tasks, default=0):.0f} ms")
REPORT
        done
        run=$((run + 1))
    done
done
