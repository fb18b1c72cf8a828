"""The page's driver for the journeys runner: the page as `make web` builds it, in one headless
Chromium for the whole run, loaded afresh for each journey, from disk or from a local web host
(which can hold its program back, leave a file out, or go away); on a desktop, or as a phone, a
tablet or a reader's larger text, which the page answers with the one column; clicked and typed at
through the browser's own input; observed by one script in the page (page_observe.js) and, while
a box is open, in the accessibility tree Chromium gives screen readers. What it draws wrongly
where the core has no say (an element off its rectangle, text clipped or overlapping, a target
too small for a finger, the caption's title on anything but its solid dark end, an address out
of sight, the outside checker's findings, a link that leads elsewhere than its click) comes back
as the observation's faults.
"""
import functools
import http.server
import json
import pathlib
import shutil
import tempfile
import threading
import time
import urllib.request

from runner import Missing

try:
    import websocket
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError as absent:
    raise Missing(f"no selenium or websocket: {absent}") from absent

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
# where its address asks ?fails), what its status region says, and a control after the page,
# where Tab leaves it for (the browser's own controls, which a headless browser lacks).
RECORDERS = """window.heard = []; window.opened = []; window.realOpen = window.open;
    const refused = new URLSearchParams(location.search).has('fails');
    window.open = address => refused ? null : (opened.push(String(address)), {});
    document.addEventListener('DOMContentLoaded', () => {
        const status = document.getElementById('status');
        new MutationObserver(() => status.textContent && heard.push(status.textContent))
            .observe(status, {childList: true, characterData: true, subtree: true});
        document.body.append(Object.assign(document.createElement('button'), {textContent: 'after'}));
    });"""
READY = "performance.getEntriesByName('vorlank-ready').length"
SPACING = """const s = document.createElement('style'); s.id = 'spacing'; document.head.append(s);
    s.textContent = '* { line-height: 1.5 !important; letter-spacing: 0.12em !important;'
        + ' word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }'"""


class Host(http.server.SimpleHTTPRequestHandler):
    """The page's files; under /slow/ its program comes late, under /missing/FILE/ that file never
    comes, under /damaged/FILE/ the page comes in its place (a host's fallback), and while the
    host is away nothing does."""
    away = False

    def do_GET(self):
        folder, _, rest = self.path.lstrip("/").partition("/")
        failed, _, after = rest.partition("/")
        hit = folder in ("missing", "damaged") and after.split("?")[0] == failed
        if Host.away or (hit and folder == "missing"):
            return self.send_error(404) if not Host.away else None
        time.sleep(2 if folder == "slow" and rest.startswith("vorlank.js") else 0)
        if folder in ("missing", "damaged"):
            self.path = "/index.html" if hit else "/" + after
        elif folder == "slow":
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
        self.observing = (HERE / "page_observe.js").read_text(encoding="utf-8")
        # The page opened from disk without the script that carries its WebAssembly.
        self.bare = pathlib.Path(tempfile.mkdtemp())
        for f in self.build.glob("*.*"):
            if f.name != "vorlank.wasm.js":
                shutil.copy(f, self.bare)
        self.host = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Host, directory=str(self.build)))
        threading.Thread(target=self.host.serve_forever, daemon=True).start()
        self.browsers, self.screens, self.read, self.sequence = {}, set(), None, 0

    def browser(self, minimum):
        """A Chromium whose minimum text size is `minimum`, which it starts with."""
        if minimum not in self.browsers:
            options = webdriver.ChromeOptions()
            options.page_load_strategy = "none"
            options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
            options.add_experimental_option("prefs", {"webkit": {"webprefs": {
                "minimum_font_size": minimum}}})
            for flag in ("headless=new", "no-sandbox", "disable-gpu", "disable-quic", "no-first-run",
                         "disable-background-networking", "disable-sync", "window-size=1280,900",
                         "disable-component-update", "force-renderer-accessibility",
                         f"user-data-dir={tempfile.mkdtemp()}"):
                options.add_argument("--" + flag)
            browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
            browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": RECORDERS})
            # The tab's own DevTools connection, beside WebDriver's, which relays each command.
            address = browser.capabilities["goog:chromeOptions"]["debuggerAddress"]
            tabs = json.loads(urllib.request.urlopen(f"http://{address}/json/list").read())
            tab = next(t for t in tabs if t["type"] == "page")
            self.browsers[minimum] = browser, websocket.create_connection(
                tab["webSocketDebuggerUrl"], suppress_origin=True)
        return self.browsers[minimum]

    def takes(self, keyboard, context):
        return not any(w.startswith(("locale=", "dpi=")) or w == "late" for w in context)

    def cdp(self, command, **arguments):
        self.sequence += 1
        self.devtools.send(json.dumps({"id": self.sequence, "method": command, "params": arguments}))
        while (reply := json.loads(self.devtools.recv())).get("id") != self.sequence:
            pass  # an event of a domain enabled
        if "error" in reply:
            raise RuntimeError(f"{command}: {reply['error']}")
        return reply["result"]

    def start(self, keyboard, context, seed):
        self.context = settings = dict(w.partition("=")[::2] for w in context)
        self.driver, self.devtools = self.browser(int(settings.get("minimum", 0)))
        readers = settings.keys() & {"text", "minimum", "spacing"}
        screen = next((w for w in ("phone", "sideways", "tablet") if w in settings),
                      "phone" if keyboard == "column" and not readers else "desktop")
        width, height, ratio, finger = SCREENS[screen]
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=ratio, mobile=finger)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=finger, maxTouchPoints=5)
        self.cdp("Page.setFontSizes", fontSizes={"standard": int(settings.get("text", 16))})
        self.cdp("Network.setCacheDisabled", cacheDisabled=False)
        Host.away = False
        served, missing = f"http://127.0.0.1:{self.host.server_port}/", settings.get("missing")
        failed = next((w for w in ("missing", "damaged") if w in settings), None)
        address = (self.bare.joinpath("index.html").as_uri() if missing == "vorlank.wasm.js"
                   else served + f"{failed}/{settings[failed]}/index.html" if failed
                   else served + "slow/index.html" if "early" in settings
                   else served + "index.html" if settings.keys() & {"served", "offline"}
                   else self.build.joinpath("index.html").as_uri())
        address += f"?seed={seed}" + ("&fails" if "fails" in settings else "")
        if "offline" in settings:
            # The worker keeps the page on a first visit; the host goes, and the browser's own
            # cache is emptied and left aside, so that only the worker can answer.
            self.cdp("Storage.clearDataForOrigin", origin=served.rstrip("/"),
                     storageTypes="service_workers,cache_storage")
            self.load(address, "performance.getEntriesByName('vorlank-kept').length")
            Host.away = True
            self.cdp("Network.enable")
            self.cdp("Network.clearBrowserCache")
            self.cdp("Network.setCacheDisabled", cacheDisabled=True)
        self.load(address, "document.getElementById('Command3')" if "early" in settings
                  else "document.getElementById('box').open" if failed else READY)
        self.faults, self.box_faults = [], None
        if self.read is None:
            self.check_once()
        if "spacing" in settings:
            # WCAG 1.4.12's text spacing, applied to a page already loaded: the column; taken
            # away, the window again; applied again for the journey.
            for script in (SPACING, "document.getElementById('spacing').remove()", SPACING):
                self.js(script + "; return new Promise(r => requestAnimationFrame(() => "
                        "setTimeout(r, 50)))")
                if script != SPACING and self.js("return vorlankPage.keyboard()") != 1:
                    self.faults.append("the spacing taken away, the page keeps the column")
        if "served" in settings:
            self.faults += self.js(MANIFEST)
        if screen not in self.screens:
            self.screens.add(screen)
            self.faults += self.violations()

    def load(self, address, ready):
        self.pointer = None
        # Through WebDriver, which answers the page's question before it is left mid-test.
        self.driver.execute_cdp_cmd("Page.navigate", {"url": address})
        for _ in range(500):
            # Through WebDriver, which waits for the page being navigated to.
            if self.driver.execute_script(f"return document.readyState !== 'loading' && !!({ready})"):
                return
            time.sleep(0.02)

    def js(self, script, *arguments):
        """What `script`, a function's body, returns of `arguments`, run in the page (by the
        browser's own protocol: a round trip of WebDriver's takes twice as long)."""
        call = f"(function () {{ {script}\n}}).apply(null, {json.dumps(arguments)})"
        reply = self.cdp("Runtime.evaluate", expression=call, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in reply:
            raise RuntimeError(reply["exceptionDetails"])
        return reply["result"].get("value")

    def control(self, name):
        """The selector of the control a screen reader reads by `name`, or whose name starts so."""
        number = next(n for n, read in sorted(self.read.items(), key=lambda r: r[1] != name)
                      if read.startswith(name))
        return f"#client [data-element='{number}']"

    def check_once(self):
        """The names a screen reader reads for the controls, by their elements' numbers; and
        where the page differs from itself: its language, which a screen reader's voice
        follows, a name read twice, its console, a product's link leading where its click opens,
        and the look-up's tab at the address its click hands over."""
        self.read = {int(e.get_attribute("data-element")): e.accessible_name for e in
                     self.driver.find_elements("css selector", "#client [data-element]")}
        if self.js("return document.documentElement.lang") != "zh-Hans":
            self.faults.append("the page not in zh-Hans")
        # Each answer and group named once: no text a screen reader reads again beside it.
        nodes = [n for n in self.cdp("Accessibility.getFullAXTree")["nodes"] if not n["ignored"]]
        named = {n["name"]["value"] for n in nodes if n["role"]["value"] in ("radio", "group")}
        self.faults += [f"{n['name']['value']} read again beside its control" for n in nodes
                        if n["role"]["value"] == "StaticText" and n["name"]["value"] in named]
        self.faults += [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        for link in self.js("return [...document.querySelectorAll('#client a')].map(a => a.href)"):
            self.click(f"#client a[href='{link}']")
            if link != self.js("return opened.pop()"):
                self.faults.append(f"a link to {link} opens elsewhere")
        before, main = set(self.driver.window_handles), self.driver.current_window_handle
        self.js("window.open = window.realOpen")
        self.click(self.control("查询此字"))
        for _ in range(100):
            tabs = set(self.driver.window_handles) - before
            if tabs:
                self.driver.switch_to.window(tabs.pop())
                if self.driver.current_url != "about:blank":
                    break
            time.sleep(0.02)
        seen = self.driver.current_url
        self.driver.close()
        self.driver.switch_to.window(main)
        self.load(self.driver.current_url, READY)
        self.click(self.control("查询此字"))
        if seen != self.js("return opened.pop()"):
            self.faults.append(f"the look-up's tab opened at {seen}")
        self.load(self.driver.current_url, READY)

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
        key, code, number, text = KEYS[name.removeprefix("shift+")]
        self.cdp("Input.dispatchKeyEvent", type="rawKeyDown" if kind == "keyDown" and not text
                 else kind, key=key, code=code, windowsVirtualKeyCode=number, autoRepeat=repeat,
                 modifiers=8 * name.startswith("shift+"), **({"text": text} if kind == "keyDown"
                                                             and text else {}))

    def click(self, selector):
        """A click at the centre of what `selector` finds, where the browser finds what is there;
        the pointer moves there first unless it is there already, as a mouse's does."""
        x, y = self.js("""const e = document.querySelector(arguments[0]);
            e.scrollIntoView({block: 'nearest'});
            const r = e.getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2]""", selector)
        moves = ("mouseMoved",) if (x, y) != self.pointer else ()
        for kind in moves + ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)
        self.pointer = (x, y)

    def observe(self):
        seen = self.js(self.observing, self.twips, int(self.context.get("text", 0)))
        seen["checked"], seen["focus"] = self.read.get(seen["checked"]), self.read.get(seen["focus"])
        if not seen["box"]:
            self.box_faults = None
        elif self.box_faults is None:
            self.box_faults = self.violations()
            if "sideways" in self.context and seen["box"]["detail"]:
                # The phone turned upright: the whole address stays in sight.
                self.cdp("Emulation.setDeviceMetricsOverride", width=320, height=568,
                         deviceScaleFactor=2, mobile=True)
                self.js("return new Promise(r => requestAnimationFrame(() => setTimeout(r, 100)))")
                self.box_faults += self.js(self.observing, self.twips, 0)["faults"]
        if seen["box"]:
            # As a screen reader has it: the dialog's name, and its button's name and
            # description, the message; and the name of what has the focus.
            for n in self.cdp("Accessibility.getFullAXTree")["nodes"]:
                role, name = n.get("role", {}).get("value"), n.get("name", {}).get("value", "")
                if role == "dialog" and not n.get("ignored"):
                    seen["box"]["title"] = name
                if role == "button" and name == seen["box"]["button"]:
                    seen["box"]["message"] = n.get("description", {}).get("value", "")
                if role != "RootWebArea" and any(p["name"] == "focused" and p["value"]["value"]
                                                 for p in n.get("properties", [])):
                    seen["focus"] = name
        seen["faults"] += self.faults + (self.box_faults or [])
        return seen

    def violations(self):
        """What the outside accessibility checker, axe-core, finds on the page as it stands."""
        self.js((HERE / "node_modules/axe-core/axe.min.js").read_text(encoding="utf-8"))
        return self.driver.execute_async_script("""const done = arguments[arguments.length - 1];
            axe.run(document).then(r => done(r.violations.map(v =>
                v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))))""")

    def stop(self):
        for browser, devtools in self.browsers.values():
            devtools.close()
            browser.quit()
        self.host.shutdown()


# Served, the page can be installed: its manifest, in the window's own colours, with icons the
# host serves as pictures.
MANIFEST = """const s = getComputedStyle(document.documentElement);
    const colours = ['--caption-from', '--face'].map(p => s.getPropertyValue(p).trim());
    return fetch('manifest.webmanifest').then(r => r.json()).then(m =>
        Promise.all(m.icons.map(i => fetch(i.src).then(r => r.ok && r.headers.get('content-type'))))
        .then(types => m.name === 'Vorlank' && m.display === 'standalone'
            && types.every(t => t && t.startsWith('image/')) && m.theme_color === colours[0]
            && m.background_color === colours[1] && !!document.querySelector('link[rel=manifest]')
            ? [] : ['the manifest: ' + JSON.stringify(m)]))"""
