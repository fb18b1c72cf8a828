#!/usr/bin/python3
"""The page, as `make web` builds it, in a real headless Chromium, driven from outside as its
users take it: the title, a whole test with the mouse and with the keyboard alone, the end
message, the look-up's new tab and a blocked one, the product links, each element at its twip
rectangle, a phone's narrow screen, and a reload with the network gone.

Usage: web_page.py WEB_BUILD_DIR SCRATCH_DIR   (Debian's python3, whose selenium drives Debian's
chromium through chromedriver)
"""
import functools
import http.server
import pathlib
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
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


def browser(width, height, phone=False):
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-sync",
                 "--disable-component-update", f"--user-data-dir={tempfile.mkdtemp()}",
                 f"--window-size={width},{height}"):
        options.add_argument(flag)
    if phone:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 2.0},
            "userAgent": "Mozilla/5.0 (Linux; Android 14; Pixel 8) Mobile"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def load(driver, address=page.joinpath("index.html").as_uri()):
    driver.get(address)
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
# Every element where the table puts it, at 15 twips to the pixel.
misplaced = js(desktop, """const client = document.getElementById('client').getBoundingClientRect();
    return [...document.querySelectorAll('[data-twips]')].filter(e => {
        const r = e.getBoundingClientRect();
        const [left, top, width, height] = e.dataset.twips.split(' ').map(t => t / 15);
        return Math.abs(r.left - client.left - left) > 0.5 || Math.abs(r.top - client.top - top) > 0.5
            || Math.abs(r.width - width) > 0.5 || Math.abs(r.height - height) > 0.5;
    }).map(e => e.id)""")
expect(misplaced, [], "elements away from their twip rectangles")
expect(js(desktop, "return document.querySelectorAll('[data-twips]').length"), 16, "elements shown")
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
expect(box(desktop), ["Vorlank", "无法打开网页浏览器。请把下面的网址复制到浏览器中打开：", LOOKUP, "确定",
                      True, "box-detail", True], "the box for a blocked tab")
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
desktop.quit()

# A phone: one column, in reading order, nothing clipped or sideways, text and targets a finger
# can use.
phone = browser(375, 667, phone=True)
load(phone)
phone.save_screenshot(str(scratch / "phone.png"))
expect(js(phone, "return document.documentElement.scrollWidth <= innerWidth"), True,
       "no sideways scrolling at 375 px")
faults = js(phone, """const faults = [];
    for (const e of document.querySelectorAll('.caption, [data-twips], legend')) {
        const r = e.getBoundingClientRect();
        if (r.left < 0 || r.right > innerWidth || e.scrollWidth > e.clientWidth + 1
                || e.scrollHeight > e.clientHeight + 1)
            faults.push(e.id || e.textContent + ' clipped');
        if (e.matches('button, .option, .label, legend')
                && parseFloat(getComputedStyle(e).fontSize) < 14)
            faults.push((e.id || e.textContent) + ' text below 14 px');
        if (e.matches('button, .option') && r.height < 44)
            faults.push(e.id + ' below 44 px');
    }
    return faults""")
expect(faults, [], "the narrow page's faults")
tops = js(phone, """return ['title', 'Label3', 'Label2', 'Frame1', 'Command4', 'Command3',
    'Command1', 'Label1', 'Frame2', 'Frame3'].map(id =>
    document.getElementById(id).getBoundingClientRect().top)""")
expect(tops == sorted(tops), True, f"the column's order: {tops}")
press(phone, "space Tab Tab Tab Left Tab Tab Return")
expect(title(phone), "你认识74个字！", "the keyboard on a phone")
phone.quit()


# Served from a web host: installable, and working offline after the first visit.
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Quiet, directory=str(page)))
threading.Thread(target=server.serve_forever, daemon=True).start()
online = browser(1280, 900)
hosted = f"http://127.0.0.1:{server.server_port}/index.html"
load(online, hosted)
manifest = js(online, """return fetch('manifest.webmanifest').then(r => r.json()).then(m =>
    Promise.all(m.icons.map(i => fetch(i.src).then(r => r.ok && r.headers.get('content-type'))))
        .then(types => [m.name, m.display, types.every(t => t && t.startsWith('image/'))]))""")
expect(manifest, ["Vorlank", "standalone", True], "the web app manifest and its icons")
WebDriverWait(online, 10).until(lambda d: js(d, "return !!navigator.serviceWorker.controller"))
server.shutdown()
server.server_close()
load(online, hosted)
control(online, "开始测试").click()
control(online, "提交").click()
expect(title(online), "你认识0个字！", "the page reloaded offline")
online.quit()

print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
