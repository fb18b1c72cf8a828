#!/usr/bin/python3
"""The page, as `make web` builds it, in a real headless Chromium, driven from outside as its
users take it: the title, a whole test with the mouse, the table of journeys, the end message,
the look-up's new tab and a blocked one, the product links, each element at its twip rectangle,
readers whose screen, pointer or text does not suit the window, what a screen reader hears, an
outside accessibility checker, clicks before the program is ready, a program that does not load,
a storm of clicks, and a reload with the network gone.

Usage: web_page.py WEB_BUILD_DIR SCRATCH_DIR   (Debian's python3, whose selenium drives Debian's
chromium through chromedriver)
"""
import functools
import http.server
import json
import os
import pathlib
import random
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

page = pathlib.Path(sys.argv[1]).resolve()
scratch = pathlib.Path(sys.argv[2])
scratch.mkdir(parents=True, exist_ok=True)
LOOKUP = "https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg"
KEYS = {"space": Keys.SPACE, "Tab": Keys.TAB, "Return": Keys.ENTER, "Left": Keys.LEFT,
        "Right": Keys.RIGHT, "Up": Keys.UP, "Down": Keys.DOWN, "Escape": Keys.ESCAPE}
passed = failed = 0


def expect(got, want, what):
    global passed, failed
    if got == want:
        passed += 1
    else:
        failed += 1
        print(f"FAIL: {what}: {got!r}, expected {want!r}")


def browser(width, height, phone=False, font=16, minimum=0):
    options = webdriver.ChromeOptions()
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    options.add_experimental_option("prefs", {"webkit": {"webprefs": {
        "default_font_size": font, "minimum_font_size": minimum}}})
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-sync",
                 "--disable-component-update", f"--user-data-dir={tempfile.mkdtemp()}",
                 f"--window-size={width},{height}"):
        options.add_argument(flag)
    if phone:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 2.0, "touch": True},
            "userAgent": "Mozilla/5.0 (Linux; Android 14; Pixel 8) Mobile"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def load(driver, address=page.joinpath("index.html").as_uri(), ready=True):
    driver.get(address)
    if ready:
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return 'ready' in document.documentElement.dataset"))


def js(driver, script, *arguments):
    return driver.execute_script(script, *arguments)


def text(driver, element_id):
    return js(driver, "return document.getElementById(arguments[0]).textContent", element_id)


def control(driver, name):
    """The control a screen reader reads by `name`, as the browser computes the name; an answer's
    circle itself."""
    for element in driver.find_elements("css selector", "#client button, #client input, #client a"):
        if element.accessible_name == name:
            return element
    raise LookupError(f"no control named {name}")


def press_or_click(driver, actions):
    """Keys (X's names) and clicks on the controls named by the words in Chinese, "×N" repeated."""
    for action in actions.split():
        if action.isascii():
            press(driver, action)
            continue
        name, _, times = action.partition("×")
        target = control(driver, name)
        for _ in range(int(times or 1)):
            target.click()


def title(driver):
    shown = js(driver, "return [document.title, document.getElementById('title').textContent]")
    return shown[0] if shown[0] == shown[1] else shown


def box(driver):
    """The open box: caption, message, detail, button, and whether it is modal; or None."""
    return js(driver, """const box = document.getElementById('box');
        if (!box.open) return null;
        const field = document.getElementById('box-detail');
        return [box.querySelector('.caption').textContent,
                document.getElementById('box-message').textContent,
                field.hidden ? null : field.value, document.getElementById('box-ok').textContent,
                box.matches(':modal'), document.activeElement.id,
                field.selectionStart === 0 && field.selectionEnd === field.value.length]""")


def new_tab(driver, target):
    """The address of the tab a click on `target` opens."""
    before = set(driver.window_handles)
    target.click()
    WebDriverWait(driver, 10).until(lambda d: len(d.window_handles) > len(before))
    home = driver.current_window_handle
    driver.switch_to.window((set(driver.window_handles) - before).pop())
    WebDriverWait(driver, 10).until(lambda d: d.current_url != "about:blank")
    address = driver.current_url
    driver.close()
    driver.switch_to.window(home)
    return address


def heard(driver):
    """What Chromium's accessibility tree gives a screen reader: the status region's text, and the
    open dialog's name and description."""
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_id = {n["nodeId"]: n for n in nodes}
    value = lambda n, key: n.get(key, {}).get("value", "")

    def said(n):
        if value(n, "role") in ("StaticText", "text"):
            return value(n, "name")
        return "".join(said(by_id[c]) for c in n.get("childIds", []) if c in by_id)
    status = [said(n) for n in nodes if value(n, "role") == "status"]
    dialogs = [[value(n, "name"), value(n, "description")] for n in nodes
               if value(n, "role") == "dialog" and not n.get("ignored")]
    return status, dialogs


AXE = (pathlib.Path(__file__).parent / "node_modules/axe-core/axe.min.js").read_text(encoding="utf-8")


def violations(driver):
    """What the outside accessibility checker finds on the page as it stands."""
    js(driver, AXE)
    return driver.execute_async_script("""const done = arguments[arguments.length - 1];
        axe.run(document).then(r => done(r.violations.map(v =>
            v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))))""")


# Whether leaving or reloading the page would ask first.
ASKS = "const e = new Event('beforeunload', {cancelable: true}); dispatchEvent(e); return e.defaultPrevented"


def press(driver, keys):
    actions = ActionChains(driver)
    for key in keys.split():
        shift = key.startswith("shift+")
        key = key.removeprefix("shift+")
        if shift:
            actions.key_down(Keys.SHIFT).send_keys(KEYS[key]).key_up(Keys.SHIFT)
        else:
            actions.send_keys(KEYS[key])
    actions.perform()


# A desktop's browser, the page opened from disk.
desktop = browser(1280, 900)
load(desktop)
expect(title(desktop), "Vorlank1.0版", "the title before a test")
expect(js(desktop, "return document.activeElement.id"), "Command4", "the first focus")
expect(js(desktop, "return document.documentElement.lang"), "zh-Hans", "the page's language")
expect([js(desktop, "return document.querySelector('link[rel=manifest]')"),
        [entry["message"] for entry in desktop.get_log("browser") if entry["level"] == "SEVERE"]],
       [None, []], "from a file: no manifest and no console error")
# Every element where the table puts it, at 15 twips to the pixel.
TWIPS = json.loads((page / "twips.json").read_text(encoding="utf-8"))  # from the element table
misplaced = js(desktop, """const client = document.getElementById('client').getBoundingClientRect();
    return Object.entries(arguments[0]).filter(([id, twips]) => {
        const r = document.getElementById(id).getBoundingClientRect();
        const [left, top, width, height] = twips.map(t => t / 15);
        return Math.abs(r.left - client.left - left) > 0.5 || Math.abs(r.top - client.top - top) > 0.5
            || Math.abs(r.width - width) > 0.5 || Math.abs(r.height - height) > 0.5;
    }).map(([id]) => id)""", TWIPS)
expect([misplaced, len(TWIPS)], [[], 16], "elements away from their twip rectangles, of all shown")
desktop.save_screenshot(str(scratch / "desktop.png"))

# A whole test with the mouse: a submit before any draw does nothing; 认识 by its circle, 不认识
# by its text; the end message after the 91st answer; nothing after the end.
control(desktop, "提交").click()
expect(title(desktop), "Vorlank1.0版", "a submit before any draw")
control(desktop, "开始测试").click()
control(desktop, "不认识").find_element("xpath", "../span").click()  # by its text
control(desktop, "提交").click()
expect([title(desktop), text(desktop, "Label3")], ["你认识0个字！", "第2个字"], "不认识 by its text")
control(desktop, "认识").click()  # by its circle
submit = control(desktop, "提交")
for position in range(3, 92):
    submit.click()
    if position in (3, 50, 91):
        expect([title(desktop), text(desktop, "Label3"), len(text(desktop, "Label2"))],
               [f"你认识{74 * (position - 2)}个字！", f"第{position}个字", 1], f"answer {position - 1}")
last = text(desktop, "Label2")
control(desktop, "提交").click()
expect(box(desktop), ["Vorlank", "测试完毕！你认识6660个字！", None, "确定", True, "box-ok", True],
       "the end message")
desktop.save_screenshot(str(scratch / "end.png"))
press(desktop, "Return")
expect(box(desktop), None, "Enter closes the end message")
control(desktop, "提交").click()
expect([title(desktop), text(desktop, "Label2"), box(desktop)], ["你认识6660个字！", last, None],
       "a submit after the end")
# Escape closes it too, after a test taken again.
control(desktop, "开始测试").click()
for _ in range(91):
    submit.click()
press(desktop, "Escape") if box(desktop) else expect(None, "a box", "the second end message")
expect(box(desktop), None, "Escape closes the end message")

# The look-up opens the dictionary in a new tab at the ASCII address; a blocked tab brings up
# the box with the address selected to copy.
load(desktop)
expect(new_tab(desktop, control(desktop, "查询此字")), LOOKUP, "the look-up's new tab")
js(desktop, "window.open = () => null")
control(desktop, "查询此字").click()
expect(box(desktop), ["Vorlank", "浏览器没有打开新的标签页。请把下面的网址复制到地址栏中打开：", LOOKUP,
                      "确定", True, "box-detail", True], "the box for a blocked tab")
expect([violations(desktop), js(desktop, """const f = document.getElementById('box-detail');
    return f.scrollHeight <= f.clientHeight + 1""")], [[], True],
       "the box for a blocked tab: the checker, the whole address in sight")
press(desktop, "Return")
expect(box(desktop), None, "Enter closes the box")

# Each product's picture and text are one real link, into a new tab.
links = js(desktop, """return ['Image1', 'Label5', 'Image2', 'Label6'].map(id => {
    const a = document.getElementById(id);
    return [a.href, a.target, a.relList.contains('noopener')]; })""")
expect([links[0], links[2]], [links[1], links[3]], "a picture and its text link alike")
expect(links[0][0] != links[2][0] and all(
    link[0].startswith("https://shop.example.com/item.htm?id=") and link[1:] == ["_blank", True]
    for link in links), True, f"two distinct product links: {links}")
expect(new_tab(desktop, control(desktop, "笔顺练字帖")), links[2][0], "the second product's tab")

# The users' journeys, on fresh pages: the table the desktop windows' tests run too.
table = pathlib.Path(__file__).with_name("journeys.txt").read_text(encoding="utf-8")
for row in (line for line in table.splitlines() if line and not line.startswith("#")):
    actions, expected = (part.strip() for part in row.split("|"))
    load(desktop)
    press_or_click(desktop, actions)
    shown = box(desktop)
    expect(f"box {shown[1]}" if shown else f"title {title(desktop)}", expected, f"the journey {actions}")

# A screen reader hears nothing before a test, then each answer counted with the next character;
# the end dialog is described by its message. The checker finds nothing at any step; leaving the
# page asks first while a test is under way, and only then.
load(desktop)
expect([heard(desktop), violations(desktop), js(desktop, ASKS)], [([""], []), [], False],
       "before a test: heard, the checker, leaving")
control(desktop, "开始测试").click()
control(desktop, "认识").click()
control(desktop, "提交").click()
expect([heard(desktop)[0], violations(desktop), js(desktop, ASKS)],
       [[f"你认识74个字！ 第2个字 {text(desktop, 'Label2')}"], [], True],
       "after the first answer: heard, the checker, leaving")
submit = control(desktop, "提交")
for _ in range(90):
    submit.click()
expect([heard(desktop)[1], violations(desktop), js(desktop, ASKS)],
       [[["Vorlank", "测试完毕！你认识6734个字！"]], [], False], "the end dialog: heard, the checker, leaving")
press(desktop, "Return")

# A storm of clicks and keys (draws, answers by circle, text and arrow key, submits, look-ups
# opened and blocked, boxes closed), checked against a model of the title after every burst.
seed = int(os.environ.get("VORLANK_STORM_SEED", time.time()))
dice = random.Random(seed)
load(desktop)
named = {name: control(desktop, name) for name in ("开始测试", "提交", "查询此字", "认识", "不认识")}
index = known = 0
chosen, on_answer, boxes, estimate = None, False, 0, "Vorlank1.0版"
for burst in range(50):
    for _ in range(20):
        roll = dice.random()
        if roll < 0.02:
            named["开始测试"].click()
            index, known, on_answer = 1, 0, False
        elif roll < 0.3:
            answer = dice.choice(("认识", "不认识"))
            target = named[answer] if dice.random() < 0.5 else named[answer].find_element("xpath", "../span")
            target.click()
            chosen, on_answer = answer, True
        elif roll < 0.35 and on_answer:
            press(desktop, dice.choice(("Left", "Right")))
            chosen = "不认识" if chosen == "认识" else "认识"
        elif roll < 0.4:
            blocked = dice.random() < 0.3
            js(desktop, f"window.open = () => {'null' if blocked else '({})'}")
            named["查询此字"].click()
            on_answer = False
            if blocked:
                boxes += 1
                press(desktop, dice.choice(("Return", "Escape")))
        else:
            named["提交"].click()
            on_answer = False
            if 1 <= index <= 91:
                known += chosen == "认识"
                estimate, index = f"你认识{74 * known}个字！", index + 1
                if index == 92:
                    boxes += 1
                    press(desktop, dice.choice(("Return", "Escape")))
    if title(desktop) != estimate or box(desktop):
        break
expect([title(desktop), box(desktop)], [estimate, None], f"the storm (VORLANK_STORM_SEED={seed})")
desktop.quit()

# Readers whose screen, pointer or text does not suit the window: each gets the one column,
# centred, in reading order, with nothing overlapping, clipped or scrolling sideways; a finger
# gets text of 14 px and targets of 44 px at the least.
LAYOUT_FAULTS = """const faults = [], finger = matchMedia('(pointer: coarse)').matches;
    if (document.documentElement.scrollWidth > innerWidth) faults.push('sideways scrolling');
    const shown = [...document.querySelectorAll('.caption, #client [id], legend')]
        .filter(e => e.getClientRects().length);
    for (const e of shown) {
        const r = e.getBoundingClientRect(), name = e.id || e.textContent;
        if (r.left < 0 || r.right > innerWidth || e.scrollWidth > e.clientWidth + 1
                || e.scrollHeight > e.clientHeight + 1)
            faults.push(name + ' clipped');
        if (finger && e.matches('.caption, button, .option, .label, legend')
                && parseFloat(getComputedStyle(e).fontSize) < 14)
            faults.push(name + ' text below 14 px');
        if (finger && e.matches('.caption, button, .option') && r.height < 44)
            faults.push(name + ' below 44 px');
    }
    const leaves = shown.filter(e => !e.matches('fieldset'));
    for (const a of leaves)
        for (const b of leaves) {
            const p = a.getBoundingClientRect(), q = b.getBoundingClientRect();
            if (a !== b && !a.contains(b) && !b.contains(a) && a.id < b.id
                    && Math.min(p.right, q.right) - Math.max(p.left, q.left) > 1
                    && Math.min(p.bottom, q.bottom) - Math.max(p.top, q.top) > 1)
                faults.push((a.id || a.textContent) + ' over ' + (b.id || b.textContent));
        }
    return faults"""
COLUMN = """const tops = ['title', 'Command4', 'Label3', 'Label2', 'Frame1', 'Command3', 'Command1',
        'Label1', 'Frame2', 'Frame3'].map(id => document.getElementById(id).getBoundingClientRect());
    const w = document.querySelector('.window').getBoundingClientRect();
    return [tops.every((r, i) => i === 0 || r.top >= tops[i - 1].bottom - 1),
            Math.abs(w.left - (document.documentElement.clientWidth - w.right)) <= 1]"""
for what, width, height, finger, font, minimum in [
        ("a phone", 375, 667, True, 16, 0), ("a phone held sideways", 667, 375, True, 16, 0),
        ("a tablet", 768, 1024, True, 16, 0), ("a phone, text at 24 px", 375, 667, True, 24, 0),
        ("a desktop, minimum text 18 px", 1280, 800, False, 16, 18),
        ("a desktop, text at 24 px", 1280, 800, False, 24, 0)]:
    reader = browser(width, height, phone=finger, font=font, minimum=minimum)
    load(reader)
    reader.save_screenshot(str(scratch / (what.replace(" ", "-").replace(",", "") + ".png")))
    expect(js(reader, LAYOUT_FAULTS), [], f"{what}: the column's faults")
    expect(js(reader, COLUMN), [True, True], f"{what}: the column in order, one under another, centred")
    if finger:
        press(reader, "space Tab Tab Tab Left Tab Tab Return")
        expect(title(reader), "你认识74个字！", f"{what}: the keyboard")
    reader.quit()

# Served from a web host: installable, and working offline after the first visit.
class Quiet(http.server.SimpleHTTPRequestHandler):
    """The page's files; under /slow/ its program comes late, under /broken/vorlank.js/ and
    /broken/vorlank.wasm/ that file never comes."""

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
online = browser(1280, 900)
hosted = f"http://127.0.0.1:{server.server_port}/index.html"

# Clicks made while the program is still on its way run, in order, once it is ready; a program
# that does not come says so instead of a page that looks alive.
load(online, hosted.replace("/index.html", "/slow/index.html"), ready=False)
for name in ("认识", "开始测试", "提交"):
    control(online, name).click()
WebDriverWait(online, 10).until(lambda d: js(d, "return 'ready' in document.documentElement.dataset"))
expect(title(online), "你认识74个字！", "clicks made before the program was ready")
# Opened from disk, the WebAssembly comes in a script of its own.
bare = pathlib.Path(tempfile.mkdtemp())
for f in page.iterdir():
    if f.is_file() and f.name != "vorlank.wasm.js":
        shutil.copy(f, bare)
for missing, address in (("vorlank.js", hosted.replace("/index.html", "/broken/vorlank.js/index.html")),
                         ("vorlank.wasm", hosted.replace("/index.html", "/broken/vorlank.wasm/index.html")),
                         ("vorlank.wasm.js", bare.joinpath("index.html").as_uri())):
    load(online, address, ready=False)
    WebDriverWait(online, 10).until(lambda d: box(d) is not None)
    expect(box(online)[1], "Vorlank cannot start: its program (vorlank.js) did not load.",
           f"a program whose {missing} did not load")

load(online, hosted)
manifest = js(online, """return fetch('manifest.webmanifest').then(r => r.json()).then(m =>
    Promise.all(m.icons.map(i => fetch(i.src).then(r => r.ok && r.headers.get('content-type'))))
        .then(types => [m.name, m.display, types.every(t => t && t.startsWith('image/'))]))""")
expect(manifest, ["Vorlank", "standalone", True], "the web app manifest and its icons")
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
    control(online, "开始测试").click()
    control(online, "提交").click()
    expect(title(online), "你认识0个字！", "the page reloaded offline")
except (TimeoutException, LookupError) as fault:
    expect(repr(fault), "a working page", "the page reloaded offline")
online.quit()

print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
