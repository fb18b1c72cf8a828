"""What the page's tests share: a headless Chromium as its readers have it (a desktop, a phone,
their own text sizes), the page loaded from disk or a server, its controls found by the names a
screen reader reads, keys pressed as a keyboard presses them, the box and the title read back,
what Chromium's accessibility tree gives a screen reader, the outside checker, the journeys of
tests/journeys.txt, and the tally of checks."""
import pathlib
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

HERE = pathlib.Path(__file__).parent
KEYS = {"space": Keys.SPACE, "Tab": Keys.TAB, "Return": Keys.ENTER, "Left": Keys.LEFT,
        "Right": Keys.RIGHT, "Up": Keys.UP, "Down": Keys.DOWN, "Escape": Keys.ESCAPE}
tally = {"passed": 0, "failed": 0}


def expect(got, want, what):
    if got == want:
        tally["passed"] += 1
    else:
        tally["failed"] += 1
        print(f"FAIL: {what}: {got!r}, expected {want!r}")


def finish():
    print(f"{tally['passed']} passed, {tally['failed']} failed")
    sys.exit(1 if tally["failed"] else 0)


def browser(width, height, phone=False, font=16, minimum=0, strategy="normal"):
    options = webdriver.ChromeOptions()
    options.page_load_strategy = strategy
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    options.add_experimental_option("prefs", {"webkit": {"webprefs": {
        "default_font_size": font, "minimum_font_size": minimum}}})
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-sync",
                 "--disable-component-update", "--force-renderer-accessibility",
                 f"--user-data-dir={tempfile.mkdtemp()}", f"--window-size={width},{height}"):
        options.add_argument(flag)
    if phone:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 2.0, "touch": True},
            "userAgent": "Mozilla/5.0 (Linux; Android 14; Pixel 8) Mobile"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def ready(driver, seconds=10):
    """Waits until the program has brought the page to life."""
    WebDriverWait(driver, seconds).until(
        lambda d: d.execute_script("return performance.getEntriesByName('vorlank-ready').length"))


def load(driver, address):
    driver.get(address)
    ready(driver)


def js(driver, script, *arguments):
    return driver.execute_script(script, *arguments)


def control(driver, name):
    """The control a screen reader reads by `name` (or whose name starts so, a paragraph's), as
    the browser computes the name; an answer's circle itself."""
    found = [e for e in driver.find_elements("css selector", "#client button, #client input, #client a")
             if e.accessible_name.startswith(name)]
    exact = [e for e in found if e.accessible_name == name]
    if not found:
        raise LookupError(f"no control named {name}")
    return (exact or found)[0]


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


def act(driver, action):
    """One action of a journey: a key, or a click on the control of that name."""
    if action.isascii():
        press(driver, action)
    else:
        control(driver, action).click()


def title(driver):
    shown = js(driver, "return [document.title, document.getElementById('title').textContent]")
    return shown[0] if shown[0] == shown[1] else shown


def box(driver):
    """The open box: caption, message, detail, button, whether it is modal, what has the focus
    and whether the detail is all selected; or None."""
    return js(driver, """const box = document.getElementById('box');
        if (!box.open) return null;
        const field = document.getElementById('box-detail');
        return [box.querySelector('.caption').textContent,
                document.getElementById('box-message').textContent,
                field.hidden ? null : field.value, document.getElementById('box-ok').textContent,
                box.matches(':modal'), document.activeElement.id,
                field.selectionStart === 0 && field.selectionEnd === field.value.length]""")


def focus(driver):
    """The name a screen reader reads for what has the focus in the window, or "none"."""
    inside = js(driver, "return document.activeElement.closest('#client') !== null")
    return driver.switch_to.active_element.accessible_name if inside else "none"


def outcome(driver, expected):
    """What the window shows, as a journey's expectation asks it."""
    shown = box(driver)
    if shown:
        return f"box {shown[1]}"
    return f"focus {focus(driver)}" if expected.startswith("focus") else f"title {title(driver)}"


def fresh(driver, address):
    """The page loaded for a journey: the tabs it opens recorded instead of opened, and a control
    after the window, where Tab goes on to from its last stop (the browser's own controls, which
    a headless browser lacks, or the page's that holds the window)."""
    load(driver, address)
    js(driver, """window.opened = []; window.open = a => (window.opened.push(a), {});
        const after = document.createElement('button'); after.textContent = 'after';
        document.body.append(after)""")


def journeys(keyboard):
    """The rows of the journeys table that `keyboard` takes: (actions, expected)."""
    table = (HERE / "journeys.txt").read_text(encoding="utf-8")
    for line in table.splitlines():
        if not line or line.startswith("#"):
            continue
        keyboards, actions, expected = (part.strip() for part in line.split("|"))
        if keyboard in keyboards.split() or "all" in keyboards.split():
            yield actions, expected


def heard(driver):
    """What Chromium's accessibility tree gives a screen reader: the status region's text, the
    open dialog's name, and the focused control's name and description."""
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_id = {n["nodeId"]: n for n in nodes}
    value = lambda n, key: n.get(key, {}).get("value", "")

    def said(n):
        if value(n, "role") in ("StaticText", "text"):
            return value(n, "name")
        return "".join(said(by_id[c]) for c in n.get("childIds", []) if c in by_id)
    status = [said(n) for n in nodes if value(n, "role") == "status"]
    dialogs = [value(n, "name") for n in nodes
               if value(n, "role") in ("dialog", "alertdialog") and not n.get("ignored")]
    focused = [[value(n, "name"), value(n, "description")] for n in nodes
               if value(n, "role") != "RootWebArea"
               and any(p["name"] == "focused" and p["value"]["value"] for p in n.get("properties", []))]
    return status, dialogs, focused


AXE = (HERE / "node_modules/axe-core/axe.min.js").read_text(encoding="utf-8")


def violations(driver):
    """What the outside accessibility checker finds on the page as it stands."""
    js(driver, AXE)
    return driver.execute_async_script("""const done = arguments[arguments.length - 1];
        axe.run(document).then(r => done(r.violations.map(v =>
            v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))))""")
