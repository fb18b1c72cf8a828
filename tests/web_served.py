#!/usr/bin/python3
"""The page served from a web host, in headless Chromium: clicks made while its program is still
on its way, a program whose files do not come (and one opened from disk without its WebAssembly),
the web app manifest in the window's colours, and a reload with the server gone and the browser's
cache cleared, which only the service worker can answer.

Usage: web_served.py WEB_BUILD_DIR
"""
import functools
import http.server
import pathlib
import shutil
import sys
import tempfile
import threading
import time

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

from web_browser import act, box, browser, expect, finish, js, load, ready, title

page = pathlib.Path(sys.argv[1]).resolve()


class Quiet(http.server.SimpleHTTPRequestHandler):
    """The page's files; under /slow/ its program comes late, under /broken/FILE/ that file never
    comes."""

    def do_GET(self):
        folder, _, rest = self.path.lstrip("/").partition("/")
        if folder == "broken":
            missing, _, rest = rest.partition("/")
            if rest.startswith(missing):
                return self.send_error(404)
        elif folder == "slow" and rest.startswith("vorlank.js"):
            time.sleep(2)
        if folder in ("slow", "broken"):
            self.path = "/" + rest
        return super().do_GET()

    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Quiet, directory=str(page)))
threading.Thread(target=server.serve_forever, daemon=True).start()
hosted = f"http://127.0.0.1:{server.server_port}/index.html"

# Clicks made while the program is still on its way (the page has not finished loading) run, in
# order, once it is ready.
early = browser(1280, 900, strategy="none")
early.get(hosted.replace("/index.html", "/slow/index.html"))
WebDriverWait(early, 10).until(lambda d: js(d, "return !!document.getElementById('Command3')"))
expect(js(early, "return performance.getEntriesByName('vorlank-ready').length"), 0,
       "the program still on its way")
for name in ("认识", "开始测试", "提交"):
    act(early, name)
ready(early)
expect(title(early), "你认识74个字！", "clicks made before the program was ready")
early.quit()

# A file that does not come: the box says which, in the window's language, and the window says
# plainly that it does not work. Opened from disk, the WebAssembly comes in a script of its own.
online = browser(1280, 900)
bare = pathlib.Path(tempfile.mkdtemp())
for f in page.iterdir():
    if f.is_file() and f.name != "vorlank.wasm.js":
        shutil.copy(f, bare)
for missing, address in (("vorlank.js", hosted.replace("/index.html", "/broken/vorlank.js/index.html")),
                         ("vorlank.wasm", hosted.replace("/index.html", "/broken/vorlank.wasm/index.html")),
                         ("vorlank.wasm.js", bare.joinpath("index.html").as_uri())):
    online.get(address)
    WebDriverWait(online, 10).until(lambda d: box(d) is not None)
    expect(box(online)[1], f"Vorlank无法启动：程序文件{missing}没有载入。",
           f"a program whose {missing} did not load")
    js(online, "document.getElementById('box').close()")
    expect([title(online), js(online, "return document.getElementById('client').inert")],
           ["Vorlank1.0版（无法启动）", True], f"the window without its {missing}")

# Served, the page can be installed: its manifest, in the window's own colours, and its icons.
load(online, hosted)
manifest = js(online, """return fetch('manifest.webmanifest').then(r => r.json()).then(m =>
    Promise.all(m.icons.map(i => fetch(i.src).then(r => r.ok && r.headers.get('content-type'))))
        .then(types => [m.name, m.display, types.every(t => t && t.startsWith('image/')),
            m.theme_color, m.background_color]))""")
colours = js(online, """const s = getComputedStyle(document.documentElement);
    return [s.getPropertyValue('--caption-from').trim(), s.getPropertyValue('--face').trim()]""")
expect(manifest, ["Vorlank", "standalone", True, *colours], "the web app manifest and its icons")
expect(js(online, "return document.querySelector('link[rel=manifest]') !== null"), True,
       "the manifest linked where the page is served")
WebDriverWait(online, 10).until(lambda d: js(d, "return !!navigator.serviceWorker.controller"))
server.shutdown()
server.server_close()
# Only the service worker may answer: the browser's own cache is cleared and left aside.
online.execute_cdp_cmd("Network.enable", {})
online.execute_cdp_cmd("Network.clearBrowserCache", {})
online.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
try:
    load(online, hosted)
    act(online, "开始测试")
    act(online, "提交")
    expect(title(online), "你认识0个字！", "the page reloaded offline")
except (TimeoutException, LookupError) as fault:
    expect(repr(fault), "a working page", "the page reloaded offline")
online.quit()
finish()
