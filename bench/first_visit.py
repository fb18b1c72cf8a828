#!/usr/bin/python3
"""What a reader's first visit to the served page transfers, on a desktop (1x) and on a phone
(2x), counted at the host: a plain static server that compresses with gzip where that is smaller
and sends an ETag and the files' time (a day ago), as common hosts do, so that the service worker's own fetches, which the page's view of the
network misses, count too. Each device starts with an empty browser profile, opens the page,
and waits until the worker has installed and the network has been quiet for a second.

Usage: bench/first_visit.py [--budget BYTES] [WEB_BUILD_DIR]   (after `make web`); with a budget,
exits 1 when either device's first visit transfers more, or its program (vorlank.wasm) more than
half as much.
"""
import collections
import functools
import gzip
import hashlib
import http.server
import pathlib
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

arguments = sys.argv[1:]
budget = None
if arguments[:1] == ["--budget"]:
    budget = int(arguments[1])
    arguments = arguments[2:]
build = pathlib.Path(arguments[0] if arguments else "build-web").resolve()
over = []
sent = collections.Counter()  # bytes of body, by path
PUT_UP = int(time.time()) - 86400  # the files' time: put up on the host a day ago
last = [time.monotonic()]


class Host(http.server.SimpleHTTPRequestHandler):
    """Static files, gzip-compressed where that is smaller, each with an ETag."""

    def do_GET(self):
        name = self.path.split("?")[0].lstrip("/") or "index.html"
        file = build / name
        if not file.is_file():
            return self.send_error(404)
        body = file.read_bytes()
        tag = '"' + hashlib.sha1(body).hexdigest() + '"'
        packed = gzip.compress(body, 9, mtime=0)
        zipped = "gzip" in self.headers.get("Accept-Encoding", "") and len(packed) < len(body)
        last[0] = time.monotonic()
        since = self.headers.get("If-Modified-Since")
        modified = self.date_time_string(PUT_UP)
        if self.headers.get("If-None-Match") == tag or (since == modified and not self.headers.get("If-None-Match")):
            self.send_response(304)
            self.send_header("ETag", tag)
            self.end_headers()
            return
        body = packed if zipped else body
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(name))
        self.send_header("Content-Length", str(len(body)))
        self.send_header("ETag", tag)
        self.send_header("Last-Modified", modified)
        if zipped:
            self.send_header("Content-Encoding", "gzip")
        self.end_headers()
        self.wfile.write(body)
        sent[self.path.split("?")[0]] += len(body)

    def log_message(self, *arguments):
        pass


host = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Host, directory=str(build)))
threading.Thread(target=host.serve_forever, daemon=True).start()
DEVICES = {"desktop": (1280, 900, 1, False), "phone": (375, 667, 2, True)}
for device, (width, height, ratio, mobile) in DEVICES.items():
    sent.clear()
    options = webdriver.ChromeOptions()
    for flag in ("headless=new", "no-sandbox", "disable-gpu", "no-first-run",
                 "disable-background-networking", f"user-data-dir={tempfile.mkdtemp()}"):
        options.add_argument("--" + flag)
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})
    browser.get(f"http://127.0.0.1:{host.server_port}/")
    for _ in range(300):
        if browser.execute_script("return !!navigator.serviceWorker.controller") \
                and time.monotonic() - last[0] > 1:
            break
        time.sleep(0.05)
    browser.quit()
    print(f"{device} ({ratio}x): {sum(sent.values())} bytes in {len(sent)} files")
    for path, size in sorted(sent.items(), key=lambda item: -item[1]):
        print(f"  {size:7d}  {path}")
    if budget is not None and sum(sent.values()) > budget:
        over.append(f"{device}: {sum(sent.values())} bytes, over the budget of {budget}")
    if budget is not None and sent["/vorlank.wasm"] > budget // 2:
        over.append(f"{device}: the program {sent['/vorlank.wasm']} bytes, over half the budget")
host.shutdown()
sys.exit("\n".join(over) or None)
