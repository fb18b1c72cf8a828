#!/usr/bin/python3
"""How long the page takes to be drawn and to take clicks, in headless Chromium, against its
floor: the same index.html and CSS with no script at all, which the browser can draw but which
does nothing. Both open from disk, alternately in one browser (page, floor, then floor, page,
so that neither always goes first), and the medians of each and of the per-pair ratios are
printed. Also the page's size, whole and gzip-compressed.

Usage: bench/web_startup.py [WEB_BUILD_DIR] [PAIRS]   (after `make web`; PAIRS defaults to 41)
"""
import gzip
import pathlib
import re
import shutil
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web").resolve()
pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 41
# The page's files: the service worker's list of what it keeps, and the worker itself.
kept = re.search(r"const page ?= ?\[(.*?)\];", (build / "sw.js").read_text(encoding="utf-8"))
page_files = re.findall(r'"([^"]+)"', kept.group(1)) + ["sw.js"]
whole = sum((build / f).stat().st_size for f in page_files)
packed = sum(len(gzip.compress((build / f).read_bytes(), 9)) for f in page_files)
print(f"page: {whole} bytes, {packed} gzip-compressed, in {len(page_files)} files")

# The floor sits beside the page, so that it loads the same stylesheet and pictures. Opened from
# disk, the page takes its WebAssembly from vorlank.wasm.js.
folder = pathlib.Path(tempfile.mkdtemp())
for f in page_files + ["vorlank.wasm.js"]:
    shutil.copy(build / f, folder / f)
html = (folder / "index.html").read_text(encoding="utf-8")
# The program's scripts: vorlank.js, and the page's start script, which draws its views and
# loads its WebAssembly from disk.
PROGRAM = r"<script[^>]*></script>\n|<script>\n.*?</script>\n"
(folder / "floor.html").write_text(re.sub(PROGRAM, "", html, flags=re.DOTALL), encoding="utf-8")

options = webdriver.ChromeOptions()
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-sync", "--disable-component-update",
             f"--user-data-dir={tempfile.mkdtemp()}", "--window-size=1280,900"):
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

# Milliseconds from the navigation's start until the window is drawn (the first paint with
# content) and, on the page, takes clicks (the program has brought it to life).
PAINTED = "return (performance.getEntriesByName('first-contentful-paint')[0] || {}).startTime"
READY = "return (performance.getEntriesByName('vorlank-ready')[0] || {}).startTime"


def measure(name):
    driver.get((folder / name).as_uri())
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(PAINTED) is not None)
    if name == "floor.html":
        return driver.execute_script(PAINTED)
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(READY) is not None)
    return max(driver.execute_script(PAINTED), driver.execute_script(READY))


for name in ("index.html", "floor.html"):  # warm the file and font caches
    measure(name)
times, ratios = {"index.html": [], "floor.html": []}, []
for i in range(pairs):
    order = ("index.html", "floor.html") if i % 2 == 0 else ("floor.html", "index.html")
    result = {name: measure(name) for name in order}
    for name, ms in result.items():
        times[name].append(ms)
    ratios.append(result["index.html"] / result["floor.html"])
driver.quit()
page_ms, floor_ms = statistics.median(times["index.html"]), statistics.median(times["floor.html"])
print(f"drawn and taking clicks: page {page_ms:.1f} ms, floor {floor_ms:.1f} ms (medians of {pairs})")
print(f"median of the pair ratios: {statistics.median(ratios):.2f}")
