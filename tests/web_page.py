#!/usr/bin/python3
"""The page, as `make web` builds it, opened from disk in a desktop's headless Chromium and
driven from outside as its users take it: the first view and every element at its twip
rectangle; the journeys of tests/journeys.txt, each checked against the core (what the window
shows, what a screen reader hears, the tabs it opens); the end message as a screen reader meets
it, and a key held down on it; the look-up's new tab and a blocked one; the outside checker; and
a storm of clicks and keys, checked against the core after every burst.

Usage: web_page.py WEB_BUILD_DIR SCRATCH_DIR ORACLE   (Debian's python3, whose selenium drives
Debian's chromium through chromedriver; ORACLE is the window_oracle program)
"""
import json
import os
import pathlib
import random
import sys
import time

from oracle import Oracle, said, steps, undrawn
from web_browser import (act, box, browser, control, expect, finish, fresh, heard, js, journeys,
                         load, outcome, press, title, violations)


def control_text(driver, shows):
    """The text of the element that shows the prompt or the character."""
    return driver.find_element("css selector", f"[data-shows={shows}]").text

page = pathlib.Path(sys.argv[1]).resolve()
scratch = pathlib.Path(sys.argv[2])
scratch.mkdir(parents=True, exist_ok=True)
oracle = sys.argv[3]
home = page.joinpath("index.html").as_uri()
LOOKUP = "https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg"
# Whether leaving or reloading the page would ask first.
ASKS = "const e = new Event('beforeunload', {cancelable: true}); dispatchEvent(e); return e.defaultPrevented"

desktop = browser(1280, 900)
load(desktop, home)
expect([title(desktop), js(desktop, "return document.activeElement.id"),
        js(desktop, "return document.documentElement.lang")],
       ["Vorlank1.0版", "Command4", "zh-Hans"], "the title, the first focus and the language")
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

# The journeys, each on a fresh page: what the table expects; and, as the core says, the title,
# what the status region says last, and every tab opened (a product's link is the address the
# core gives for it).
for actions, expected in journeys("page"):
    fresh(desktop, home)
    for action in steps(actions):
        act(desktop, action)
    expect(outcome(desktop, expected), expected, f"the journey {actions}")
    addresses, announcements, prompt = said(oracle, "page", actions)
    status = js(desktop, "return document.getElementById('status').textContent")
    expect([[undrawn(a) for a in js(desktop, "return window.opened")], undrawn(status),
            control_text(desktop, "prompt")],
           [addresses, announcements[-1] if announcements and status else "", prompt],
           f"the tabs, the last announcement and the prompt of the journey {actions}")
    if expected.startswith("box"):
        # A screen reader hears the message with the button; repeats of Enter held on it do not
        # close it, a fresh press does.
        expect([heard(desktop)[1:], violations(desktop)],
               [(["Vorlank"], [["确定", expected[4:]]]), []], "the end dialog, heard, and the checker")
        for key in ("Enter", "Escape", " "):
            desktop.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": "keyDown", "key": key, "code": {"Enter": "Enter", "Escape": "Escape"}.get(key, "Space"),
                "windowsVirtualKeyCode": {"Enter": 13, "Escape": 27}.get(key, 32), "autoRepeat": True})
        expect(box(desktop) is not None, True, "the end dialog after keys held down")
        press(desktop, "Return")
        expect(box(desktop), None, "Enter closes the end dialog")

# Each product's picture and text link to the page the core opens for a click on them, for a
# reader who opens them in a tab of their own.
load(desktop, home)
for link in desktop.find_elements("css selector", "#client a"):
    core = Oracle(oracle, "page")
    name = link.accessible_name[:7]  # the product's name, or the first words of its text
    expect(link.get_attribute("href"), core.take(name)["address"], f"the link of {name}")
    core.close()

# A screen reader hears nothing before a test, then each answer counted with the next character;
# the checker finds nothing at any step; leaving the page asks first while a test is under way.
load(desktop, home)
expect([heard(desktop)[0], violations(desktop), js(desktop, ASKS)], [[""], [], False],
       "before a test: heard, the checker, leaving")
for action in ("开始测试", "认识", "提交"):
    act(desktop, action)
expect([heard(desktop)[0], violations(desktop), js(desktop, ASKS)],
       [[f"你认识74个字！ 第2个字 {js(desktop, 'return document.getElementById(`Label2`).textContent')}"],
        [], True], "after the first answer: heard, the checker, leaving")

# The look-up opens the dictionary at the ASCII address in a new tab; a blocked tab brings up the
# box with the address selected to copy.
load(desktop, home)
before = set(desktop.window_handles)
control(desktop, "查询此字").click()
time.sleep(1)
opened = (set(desktop.window_handles) - before).pop()
desktop.switch_to.window(opened)
expect(desktop.current_url, LOOKUP, "the look-up's new tab")
desktop.close()
desktop.switch_to.window(before.pop())
js(desktop, "window.open = () => null")
control(desktop, "查询此字").click()
expect(box(desktop), ["Vorlank", "浏览器没有打开新的标签页。请把下面的网址复制到地址栏中打开：", LOOKUP,
                      "确定", True, "box-detail", True], "the box for a blocked tab")
expect([violations(desktop), js(desktop, """const f = document.getElementById('box-detail');
    return f.scrollHeight <= f.clientHeight + 1""")], [[], True],
       "the box for a blocked tab: the checker, the whole address in sight")
press(desktop, "Return")
expect(box(desktop), None, "Enter closes the box")

# A storm of clicks and keys (draws, answers by circle, text and arrow key, submits, look-ups
# opened and blocked, boxes closed), checked against the core after every burst.
seed = int(os.environ.get("VORLANK_STORM_SEED", time.time()))
dice = random.Random(seed)
load(desktop, home)
model = Oracle(oracle, "page")
shown = {"title": "Vorlank1.0版", "box": None, "announcement": ""}
for burst in range(50):
    for _ in range(20):
        roll = dice.random()
        blocked = roll >= 0.35 and roll < 0.4 and dice.random() < 0.3
        js(desktop, f"window.open = () => {'null' if blocked else '({})'}")
        name = "开始测试" if roll < 0.02 else dice.choice(("认识", "不认识")) if roll < 0.3 \
            else dice.choice(("Left", "Right")) if roll < 0.35 else "查询此字" if roll < 0.4 else "提交"
        on_answer = js(desktop, "return document.activeElement.type === 'radio'")
        if name in ("Left", "Right") and not on_answer:
            continue
        if name in ("认识", "不认识") and dice.random() < 0.5:
            control(desktop, name).find_element("xpath", "../span").click()  # by its text
        else:
            act(desktop, name)
        shown = model.take(name)
        if blocked:
            shown = {**shown, "box": "blocked"}
        if shown["box"]:
            press(desktop, dice.choice(("Return", "Escape")))
            shown = model.take("Return") if not blocked else {**shown, "box": None}
    got = [title(desktop), box(desktop) is not None]
    if got != [shown["title"], False]:
        break
expect(got, [shown["title"], False], f"the storm (VORLANK_STORM_SEED={seed})")
model.close()
desktop.quit()
finish()
