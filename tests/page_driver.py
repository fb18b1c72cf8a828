"""The page's driver for the journeys runner: the page as `make web` builds it, in one headless
Chromium for the whole run, loaded afresh for each journey, from disk or from a local web host
(which can hold its program back, leave a file out, or go away); on a desktop, or as a phone, a
tablet or a reader's larger text, which the page answers with the one column; clicked and typed at
through the browser's own input; observed by one script in the page and, while a box is open, in
the accessibility tree Chromium gives screen readers. What it draws wrongly where the core has no
say (an element off its rectangle, text clipped or overlapping, a target too small for a finger,
the caption's contrast, an address out of sight, the outside checker's findings) comes back as the
observation's faults.
"""
import base64
import functools
import http.server
import json
import pathlib
import re
import shutil
import subprocess
import tempfile
import threading
import time

from runner import Missing

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError as absent:
    raise Missing(f"no selenium: {absent}") from absent

HERE = pathlib.Path(__file__).parent
# Each key as X names it, as the browser's input has it: its key, code, key code and text.
KEYS = {"Tab": ("Tab", "Tab", 9, ""), "Return": ("Enter", "Enter", 13, "\r"),
        "space": (" ", "Space", 32, " "), "Escape": ("Escape", "Escape", 27, ""),
        "Left": ("ArrowLeft", "ArrowLeft", 37, ""), "Up": ("ArrowUp", "ArrowUp", 38, ""),
        "Right": ("ArrowRight", "ArrowRight", 39, ""), "Down": ("ArrowDown", "ArrowDown", 40, "")}
# Width, height, pixel ratio and whether a finger points.
SCREENS = {"desktop": (1280, 900, 1, False), "phone": (375, 667, 2, True),
           "sideways": (667, 375, 2, True), "tablet": (768, 1024, 2, True)}
# What the page does for the runner from its first line: the tabs it opens recorded (and refused
# where the address says #fails), and what its status region says.
# A control after the page, where Tab leaves it for (the browser's own controls, which a headless
# browser lacks).
RECORDERS = """window.heard = []; window.opened = []; window.realOpen = window.open;
    const refused = new URLSearchParams(location.search).has('fails');
    window.open = address => refused ? null : (opened.push(String(address)), {});
    document.addEventListener('DOMContentLoaded', () => {
        const status = document.getElementById('status');
        new MutationObserver(() => status.textContent && heard.push(status.textContent))
            .observe(status, {childList: true, characterData: true, subtree: true});
        const after = document.createElement('button');
        after.textContent = 'after';
        document.body.append(after);
    });"""
OBSERVE = (HERE / "page_observe.js").read_text(encoding="utf-8")


class Host(http.server.SimpleHTTPRequestHandler):
    """The page's files; under /slow/ its program comes late, under /broken/FILE/ that file never
    comes, and while the host is away nothing does."""
    away = False

    def do_GET(self):
        if Host.away:
            self.close_connection = True
            return None
        folder, _, rest = self.path.lstrip("/").partition("/")
        if folder == "broken":
            missing, _, rest = rest.partition("/")
            if rest.split("?")[0] == missing:
                return self.send_error(404)
        elif folder == "slow" and rest.startswith("vorlank.js"):
            time.sleep(2)
        if folder in ("slow", "broken"):
            self.path = "/" + rest
        return super().do_GET()

    def log_message(self, *arguments):
        pass


class Driver:
    name = "the page"
    keyboards = ("page", "column")
    storm = 1000
    loose = ()

    def __init__(self, build):
        if not shutil.which("chromedriver"):
            raise Missing("no chromedriver")
        self.build = pathlib.Path(build).resolve()
        self.twips = json.loads((self.build / "twips.json").read_text(encoding="utf-8"))
        # The page opened from disk without the script that carries its WebAssembly.
        self.bare = pathlib.Path(tempfile.mkdtemp())
        for f in self.build.iterdir():
            if f.is_file() and f.name != "vorlank.wasm.js":
                shutil.copy(f, self.bare)
        self.host = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Host, directory=str(self.build)))
        threading.Thread(target=self.host.serve_forever, daemon=True).start()
        self.browsers = {}
        self.screens = set()
        self.checked_once = False

    def browser(self, minimum):
        """A Chromium whose minimum text size is `minimum` (a setting it starts with)."""
        if minimum not in self.browsers:
            options = webdriver.ChromeOptions()
            options.page_load_strategy = "none"
            options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
            options.add_experimental_option("prefs", {"webkit": {"webprefs": {
                "minimum_font_size": minimum}}})
            for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking", "--disable-sync",
                         "--disable-component-update", "--force-renderer-accessibility",
                         f"--user-data-dir={tempfile.mkdtemp()}", "--window-size=1280,900"):
                options.add_argument(flag)
            browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
            browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": RECORDERS})
            self.browsers[minimum] = browser
        return self.browsers[minimum]

    def takes(self, keyboard, context):
        return not any(w.startswith(("locale=", "dpi=")) or w == "late" for w in context)

    def start(self, keyboard, context, seed):
        self.context = settings = dict(w.partition("=")[::2] for w in context)
        self.driver = self.browser(int(settings.get("minimum", 0)))
        cdp = self.driver.execute_cdp_cmd
        screen = next((w for w in ("phone", "sideways", "tablet") if w in settings),
                      "phone" if keyboard == "column" and not settings.keys() & {"text", "minimum",
                                                                                 "spacing"}
                      else "desktop")
        width, height, ratio, finger = SCREENS[screen]
        cdp("Emulation.setDeviceMetricsOverride", {"width": width, "height": height,
                                                   "deviceScaleFactor": ratio, "mobile": finger})
        cdp("Emulation.setTouchEmulationEnabled", {"enabled": finger, "maxTouchPoints": 5})
        cdp("Page.setFontSizes", {"fontSizes": {"standard": int(settings.get("text", 16))}})
        Host.away = False
        cdp("Network.setCacheDisabled", {"cacheDisabled": False})
        served = f"http://127.0.0.1:{self.host.server_port}/"
        missing = settings.get("missing", "")
        address = (self.bare.joinpath("index.html").as_uri() if missing == "vorlank.wasm.js"
                   else served + f"broken/{missing}/index.html" if missing
                   else served + "slow/index.html" if "early" in settings
                   else served + "index.html" if settings.keys() & {"served", "offline"}
                   else self.build.joinpath("index.html").as_uri())
        address += f"?seed={seed}" + ("&fails" if "fails" in settings else "")
        if "offline" in settings:
            # The worker keeps the page on the first visit; the host goes, and the browser's own
            # cache is emptied and left aside, so that only the worker can answer.
            self.load(address, "navigator.serviceWorker.controller")
            Host.away = True
            cdp("Network.enable", {})
            cdp("Network.clearBrowserCache", {})
            cdp("Network.setCacheDisabled", {"cacheDisabled": True})
        self.load(address, "document.getElementById('Command3')" if "early" in settings
                  else "document.getElementById('box').open" if missing
                  else "performance.getEntriesByName('vorlank-ready').length")
        self.faults = []
        if "spacing" in settings:
            self.spacing()
        if "served" in settings:
            self.installable()
        if "text" in settings and screen == "phone":
            self.contrast()
        if not self.checked_once and not settings:
            self.checked_once = True
            self.check_once()
        if screen not in self.screens:
            self.screens.add(screen)
            self.faults += self.violations()

    def load(self, address, ready):
        self.controls = {}
        self.driver.execute_cdp_cmd("Page.navigate", {"url": address})
        for _ in range(500):
            if self.js(f"return document.readyState !== 'loading' && !!({ready})"):
                return
            time.sleep(0.02)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def frame(self):
        self.js("return new Promise(r => requestAnimationFrame(() => setTimeout(r, 50)))")

    def names(self):
        """The name a screen reader reads for each control, by its element's number."""
        if not hasattr(self, "read"):
            self.read = {int(e.get_attribute("data-element")): e.accessible_name
                         for e in self.driver.find_elements("css selector",
                                                            "#client [data-element]")}
        return self.read

    def control(self, name):
        """The control a screen reader reads by `name`, or whose name starts so."""
        if name not in self.controls:
            named = sorted(self.names().items(), key=lambda n: n[1] != name)
            number = next(n for n, read in named if read.startswith(name))
            self.controls[name] = self.driver.find_element(
                "css selector", f"#client [data-element='{number}']")
        return self.controls[name]

    def spacing(self):
        """WCAG 1.4.12's text spacing as a reader's tool applies it to a page already loaded: the
        column; taken away, the window again; applied again for the journey."""
        style = """const s = document.createElement('style'); s.id = 'spacing';
            s.textContent = '* { line-height: 1.5 !important; letter-spacing: 0.12em !important;'
                + ' word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }';
            document.head.append(s)"""
        self.js(style)
        self.frame()
        self.js("document.getElementById('spacing').remove()")
        self.frame()
        if self.js("return vorlankPage.keyboard()") != 1:
            self.faults.append("the spacing taken away, the page keeps the column")
        self.js(style)
        self.frame()

    def installable(self):
        """Served, the page can be installed: its manifest, in the window's own colours, and
        icons the host serves as pictures."""
        self.js("return new Promise(r => setTimeout(r, 100))")
        got = self.js("""return fetch('manifest.webmanifest').then(r => r.json()).then(m =>
            Promise.all(m.icons.map(i => fetch(i.src).then(r => r.ok && r.headers.get('content-type'))))
                .then(types => [m.name, m.display, types.every(t => t && t.startsWith('image/')),
                    m.theme_color, m.background_color,
                    document.querySelector('link[rel=manifest]') !== null]))""")
        colours = self.js("""const s = getComputedStyle(document.documentElement);
            return [s.getPropertyValue('--caption-from').trim(), s.getPropertyValue('--face').trim()]""")
        if got != ["Vorlank", "standalone", True, *colours, True]:
            self.faults.append(f"the manifest: {got}")

    def contrast(self):
        """The title's contrast against the lightest part of the caption behind it, long and
        large on a narrow screen: its text hidden, the lightest pixel under it in a screenshot,
        against the text's colour."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 320, "height": 667, "deviceScaleFactor": 1, "mobile": True})
        left, top, width, height, colour = self.js("""const t = document.getElementById('title');
            t.dataset.shown = t.textContent; t.textContent = '你认识6586个字！';
            const r = t.getBoundingClientRect(); t.style.color = 'transparent';
            return [r.left, r.top, r.width, r.height, getComputedStyle(t.parentElement).color]""")
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"clip": {
            "x": left, "y": top, "width": width, "height": height, "scale": 1}})["data"]
        self.js("""const t = document.getElementById('title');
            t.style.color = ''; t.textContent = t.dataset.shown""")
        pixels = subprocess.run(["convert", "png:-", "-depth", "8", "txt:-"],
                                input=base64.b64decode(shot), capture_output=True,
                                check=True).stdout.decode()

        def luminance(rgb):
            linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4
                      for c in rgb]
            return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
        lightest = max(luminance([int(v) for v in re.findall(r"\((\d+),(\d+),(\d+)", line)[0]])
                       for line in pixels.splitlines()[1:])
        text = luminance([int(v) for v in re.findall(r"\d+", colour)[:3]])
        ratio = (max(lightest, text) + 0.05) / (min(lightest, text) + 0.05)
        if ratio < 4.5:
            self.faults.append(f"the caption's title at {ratio:.1f}:1")
        self.frame()

    def check_once(self):
        """Where the page differs from itself: a product's link leads where its click opens, and
        the look-up's new tab is at the address its click hands over; and the language a screen
        reader takes its voice from, and the browser's console, which stays free of errors."""
        if self.js("return document.documentElement.lang") != "zh-Hans":
            self.faults.append("the page not in zh-Hans")
        self.faults += [e["message"] for e in self.driver.get_log("browser")
                        if e["level"] == "SEVERE"]
        for link in self.driver.find_elements("css selector", "#client a"):
            self.click(link)
            opened = self.js("return opened.pop()")
            if link.get_attribute("href") != opened:
                self.faults.append(f"a link to {link.get_attribute('href')} opens {opened}")
        before = set(self.driver.window_handles)
        main = self.driver.current_window_handle
        self.js("window.open = window.realOpen")
        self.click(self.control("查询此字"))
        for _ in range(100):
            if set(self.driver.window_handles) - before:
                break
            time.sleep(0.02)
        tab = (set(self.driver.window_handles) - before).pop()
        self.driver.switch_to.window(tab)
        for _ in range(100):
            if self.driver.current_url != "about:blank":
                break
            time.sleep(0.02)
        seen = self.driver.current_url
        self.driver.close()
        self.driver.switch_to.window(main)
        self.load(self.driver.current_url, "performance.getEntriesByName('vorlank-ready').length")
        self.click(self.control("查询此字"))
        if seen != self.js("return opened.pop()"):
            self.faults.append(f"the look-up's tab opened at {seen}")
        self.load(self.driver.current_url, "performance.getEntriesByName('vorlank-ready').length")

    def act(self, actions):
        for action in actions:
            if action == "away":
                main = self.driver.current_window_handle
                self.driver.switch_to.new_window("tab")
                self.driver.close()
                self.driver.switch_to.window(main)
            elif action.startswith("held:"):
                # Its press, then its repeats at a keyboard's rate, then its release.
                for repeat in [False] + [True] * 20:
                    self.key(action[5:], "keyDown", repeat)
                    time.sleep(0.03)
                self.key(action[5:], "keyUp")
            elif action.isascii():
                self.key(action, "keyDown")
                self.key(action, "keyUp")
            else:
                self.click(self.control(action))

    def key(self, name, kind, repeat=False):
        shift = name.startswith("shift+")
        key, code, number, text = KEYS[name.removeprefix("shift+")]
        kind = "rawKeyDown" if kind == "keyDown" and not text else kind
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": kind, "key": key, "code": code, "windowsVirtualKeyCode": number,
            "autoRepeat": repeat, "modifiers": 8 if shift else 0,
            **({"text": text} if text and kind == "keyDown" else {})})

    def click(self, control):
        """A click at the control's centre, where the browser finds what is there."""
        x, y = self.js("""arguments[0].scrollIntoView({block: 'nearest'});
            const r = arguments[0].getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2]""", control)
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def observe(self):
        seen = self.js(OBSERVE, self.twips, int(self.context.get("text", 0)))
        names = self.names()
        seen["checked"] = names.get(seen["checked"])
        seen["focus"] = names.get(seen["focus"])
        if seen["box"]:
            self.box(seen)
        elif hasattr(self, "box_faults"):
            del self.box_faults
        seen["faults"] = self.faults + seen["faults"] + getattr(self, "box_faults", [])
        return seen

    def box(self, seen):
        """The open box as a screen reader has it: the dialog's name, the name and the
        description of its button (the message), the focus; and what a reader sees of it."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        value = lambda n, key: n.get(key, {}).get("value", "")
        focused = lambda n: any(p["name"] == "focused" and p["value"]["value"]
                                for p in n.get("properties", []))
        for n in nodes:
            if value(n, "role") == "alertdialog" and not n.get("ignored"):
                seen["box"]["title"] = value(n, "name")
            if value(n, "role") == "button" and value(n, "name") == seen["box"]["button"]:
                seen["box"]["message"] = value(n, "description")
            if focused(n) and value(n, "role") != "RootWebArea":
                seen["focus"] = value(n, "name")
        if hasattr(self, "box_faults"):
            return
        self.box_faults = self.violations()
        if "sideways" in self.context and seen["box"]["detail"]:
            # The phone turned upright: the whole address stays in sight.
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 320, "height": 568, "deviceScaleFactor": 2, "mobile": True})
            self.frame()
            self.box_faults += self.js(OBSERVE, self.twips, 0)["faults"]

    def violations(self):
        """What the outside accessibility checker, axe-core, finds on the page as it stands."""
        if not hasattr(self, "axe"):
            self.axe = (HERE / "node_modules/axe-core/axe.min.js").read_text(encoding="utf-8")
        self.js(self.axe)
        return self.driver.execute_async_script("""const done = arguments[arguments.length - 1];
            axe.run(document).then(r => done(r.violations.map(v =>
                v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))))""")

    def stop(self):
        for browser in self.browsers.values():
            browser.quit()
        self.host.shutdown()
