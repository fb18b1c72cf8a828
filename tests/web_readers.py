#!/usr/bin/python3
"""The page for readers whose screen, pointer or text does not suit the window, in headless
Chromium: each gets the one column, centred, in reading order, with nothing overlapping, clipped
or scrolling sideways, and a finger text of 14 px and targets of 44 px at the least; the column
takes its journeys of tests/journeys.txt; its text follows the reader's default size; the layout
is decided again when the reader's text spacing changes after the page has loaded, either way;
the caption's title keeps its contrast; and the address box refits when the phone turns.

Usage: web_readers.py WEB_BUILD_DIR SCRATCH_DIR
"""
import base64
import pathlib
import re
import subprocess
import sys

from oracle import steps
from web_browser import (act, box, browser, control, expect, finish, fresh, js, journeys, load,
                         outcome)

page = pathlib.Path(sys.argv[1]).resolve()
scratch = pathlib.Path(sys.argv[2])
scratch.mkdir(parents=True, exist_ok=True)
home = page.joinpath("index.html").as_uri()

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
# Whether the window's layout is on show: its elements at their rectangles.
WINDOW_LAYOUT = "return getComputedStyle(document.getElementById('Command4')).position === 'absolute'"
# WCAG 1.4.12's text spacing, as a reader's tool applies it to a page already loaded.
SPACING = """const s = document.createElement('style'); s.id = 'spacing';
    s.textContent = '* { line-height: 1.5 !important; letter-spacing: 0.12em !important;'
        + ' word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }';
    document.head.append(s)"""
# The title's contrast against the lightest part of the caption behind it: its text hidden, the
# lightest pixel under it in a screenshot, against the text's colour.
CAPTION = """const t = document.getElementById('title'); t.textContent = arguments[0];
    const r = t.getBoundingClientRect(); t.style.color = 'transparent';
    return [r.left, r.top, r.width, r.height, getComputedStyle(t.parentElement).color]"""


def luminance(rgb):
    linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4
              for c in rgb]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(reader, text):
    """The title's contrast, showing `text`, at the lightest point of the caption behind it."""
    left, top, width, height, colour = js(reader, CAPTION, text)
    shot = reader.execute_cdp_cmd("Page.captureScreenshot", {"clip": {
        "x": left, "y": top, "width": width, "height": height, "scale": 1}})["data"]
    pixels = subprocess.run(["convert", "png:-", "-depth", "8", "txt:-"], input=base64.b64decode(shot),
                            capture_output=True, check=True).stdout.decode()
    lightest = max(luminance([int(v) for v in re.findall(r"\((\d+),(\d+),(\d+)", line)[0]])
                   for line in pixels.splitlines()[1:])
    text_colour = luminance([int(v) for v in re.findall(r"\d+", colour)[:3]])
    return (max(lightest, text_colour) + 0.05) / (min(lightest, text_colour) + 0.05)


sizes = {}
for what, width, height, finger, font, minimum in [
        ("a phone", 375, 667, True, 16, 0), ("a phone held sideways", 667, 375, True, 16, 0),
        ("a tablet", 768, 1024, True, 16, 0), ("a phone, text at 24 px", 375, 667, True, 24, 0),
        ("a desktop, minimum text 18 px", 1280, 800, False, 16, 18),
        ("a desktop, text at 24 px", 1280, 800, False, 24, 0)]:
    reader = browser(width, height, phone=finger, font=font, minimum=minimum)
    load(reader, home)
    reader.save_screenshot(str(scratch / (what.replace(" ", "-").replace(",", "") + ".png")))
    expect(js(reader, LAYOUT_FAULTS), [], f"{what}: the column's faults")
    expect(js(reader, COLUMN), [True, True], f"{what}: the column in order, one under another, centred")
    sizes[what] = js(reader, "return parseFloat(getComputedStyle(document.getElementById('Label1')).fontSize)")
    if what == "a phone, text at 24 px":
        # The title on the caption's lightest part, long and large on a narrow screen.
        reader.set_window_size(320, 667)
        expect(contrast(reader, "你认识6586个字！") >= 4.5, True, f"{what}: the caption's contrast")
    if finger:
        for actions, expected in journeys("column"):
            fresh(reader, home)
            for action in steps(actions):
                act(reader, action)
            expect(outcome(reader, expected), expected, f"{what}: the journey {actions}")
    reader.quit()
# The column's text follows the reader's default size.
expect(sizes["a phone, text at 24 px"] / sizes["a phone"], 1.5, "the column's text at 24 px against 16 px")

# Text spacing applied after the page has loaded: the column, then the window again once it is
# taken away. The caption keeps its contrast at a desktop's width too.
desktop = browser(1280, 800)
load(desktop, home)
expect(js(desktop, WINDOW_LAYOUT), True, "the window's layout before any spacing")
js(desktop, SPACING)
expect([js(desktop, "return new Promise(r => requestAnimationFrame(() => setTimeout(r, 100)))"),
        js(desktop, WINDOW_LAYOUT), js(desktop, LAYOUT_FAULTS)], [None, False, []],
       "text spacing applied after load: the column, without faults")
js(desktop, "document.getElementById('spacing').remove()")
js(desktop, "return new Promise(r => requestAnimationFrame(() => setTimeout(r, 100)))")
expect(js(desktop, WINDOW_LAYOUT), True, "the spacing taken away: the window's layout again")
expect(contrast(desktop, "你认识6586个字！") >= 4.5, True, "the caption's contrast on a desktop")
desktop.quit()

# The box of an address to copy, on a phone held sideways and then turned upright: the whole
# address stays in sight.
phone = browser(568, 320, phone=True)
load(phone, home)
js(phone, "window.open = () => null")
control(phone, "查询此字").click()
phone.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
    "width": 320, "height": 568, "deviceScaleFactor": 2, "mobile": True})
js(phone, "return new Promise(r => requestAnimationFrame(() => setTimeout(r, 100)))")
expect([box(phone)[2], js(phone, """const f = document.getElementById('box-detail');
    return f.scrollHeight <= f.clientHeight + 1 && f.getBoundingClientRect().right <= innerWidth""")],
       ["https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg", True],
       "the address box, turned upright: the whole address in sight")
phone.quit()
finish()
