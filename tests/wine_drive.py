#!/usr/bin/env python3
"""The Windows program under Wine, driven from outside with xdotool as its users drive it, and
checked against the core (the window_oracle program): a journey of tests/journeys.txt, or a
storm of random clicks.

journey ACTIONS EXPECTED: the clicks and keys in one burst; then the title, the box or the focus
  the table expects (a box must outlast the repeats of a key held down on it, then close on
  Enter), and every address handed to the desktop and every live-region change a screen reader
  hears, as the core says.
storm SEED EVENTS: random draws, answers with either choice or none, submits, look-ups and end
  boxes in bursts; after each burst the title must be the core's, each end box must come and go,
  and every look-up must reach the desktop. Afterwards the program must still answer.

Usage: wine_drive.py journey|storm ... WINDOW ORACLE PROBE OPENED HEARD   (the last five from the
environment: VORLANK_WINDOW, VORLANK_ORACLE, VORLANK_PROBE, VORLANK_OPENED, VORLANK_HEARD)
"""
import os
import random
import re
import subprocess
import sys
import time

from boxed_text import in_boxes
from oracle import Oracle, said, steps, undrawn

window, oracle_program, probe = (os.environ[f"VORLANK_{k}"] for k in ("WINDOW", "ORACLE", "PROBE"))
opened_file, heard_file = os.environ["VORLANK_OPENED"], os.environ["VORLANK_HEARD"]


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def probed(*args):
    return subprocess.run(["wine", probe, *args], capture_output=True, text=True,
                          encoding="utf-8", errors="replace").stdout.replace("\r", "")


def wait_for(what, want, seconds=10):
    deadline = time.monotonic() + seconds
    while True:
        got = what()
        if got == want or time.monotonic() > deadline:
            return got
        time.sleep(0.05)


def lines(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


def boxes():
    found = xdotool("search", "--onlyvisible", "--name", "^Vorlank$")
    return found.split() if found else []


def places():
    """The centre of each control, in the window's pixels, by the name a screen reader reads."""
    origin = [int(v) for v in re.search(r"Position: (\d+),(\d+)",
                                        xdotool("getwindowgeometry", window)).groups()]
    found = {}
    for line in probed("names", xdotool("getwindowname", window)).splitlines():
        name, _, rect = line.partition("\t")
        left, top, width, height = (int(v) for v in rect.split(","))
        found.setdefault(name, (left + width // 2 - origin[0], top + height // 2 - origin[1]))
    return found


def place(at, name):
    """The control named `name`, or whose name starts so (a paragraph's)."""
    return at[name] if name in at else next(xy for full, xy in at.items() if full.startswith(name))


def clicks(at, action):
    x, y = place(at, action)
    return ["mousemove", "--window", window, str(x), str(y), "click", "--delay", "0", "1"]


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def journey(actions, expected):
    at = places()
    burst = ["windowfocus", "--sync", window]
    for action in steps(actions):
        burst += ["key", "--delay", "50", action] if action.isascii() else clicks(at, action)
    xdotool(*burst)
    kind, _, want = expected.partition(" ")
    if kind == "box":
        if not wait_for(lambda: len(boxes()), 1):
            fail(f"no box after {actions}")
        box = boxes()[0]
        probed("hold", "Vorlank")
        message = [line.split("\t")[1] for line in probed("names", "Vorlank").splitlines()
                   if line.split("\t")[0] == want]
        if not message or len(boxes()) != 1:
            fail(f"after {actions}: the box {want} is not read, or a held key closed it")
        # Drawn in real glyphs, not one empty box repeated (a face without Chinese draws those).
        shot = opened_file + ".box.png"
        subprocess.run(["import", "-window", "root", shot], check=True)
        if in_boxes(shot, *(int(v) for v in message[0].split(","))):
            fail(f"after {actions}: the box's message is drawn in boxes")
        xdotool("windowfocus", "--sync", box, "key", "Return")
        if wait_for(lambda: len(boxes()), 0):
            fail(f"the box after {actions} stays after Enter")
    elif kind == "focus":
        got = wait_for(lambda: probed("focus", xdotool("getwindowname", window)).strip(), want)
        if got != want:
            fail(f"after {actions} the focus is on '{got}', expected '{want}'")
    else:
        got = wait_for(lambda: xdotool("getwindowname", window), want)
        if got != want or boxes():
            fail(f"after {actions} the title reads '{got}', expected '{want}', {len(boxes())} boxes")
    # The desktop's openers may end in any order, and a screen reader reads a live region's name
    # when it hears of the change, which a quick burst of answers has changed again by then (and
    # Wine hands another process the changes out of order): every address arrives, and one change
    # is heard for each announcement, naming one of them, the last among them.
    addresses, announcements, prompt = said(oracle_program, "window", actions)
    names = [line.split("\t")[0] for line in probed("names", xdotool("getwindowname", window)).splitlines()]
    if prompt not in names:
        fail(f"after {actions} no control reads the prompt {prompt}")
    got = wait_for(lambda: sorted(undrawn(a) for a in lines(opened_file)), sorted(addresses), 5)
    if got != sorted(addresses):
        fail(f"after {actions} the desktop received {got}, expected {sorted(addresses)}")
    heard = [undrawn(a) for a in lines(heard_file)]
    for _ in range(50):
        if len(heard) >= len(announcements):
            break
        time.sleep(0.1)
        heard = [undrawn(a) for a in lines(heard_file)]
    if len(heard) != len(announcements) or not set(heard) <= set(announcements) \
            or not set(announcements[-1:]) <= set(heard):
        fail(f"after {actions} a screen reader heard {heard}, expected {announcements}")


def storm(seed, events):
    at = places()
    rng = random.Random(seed)
    oracle = Oracle(oracle_program, "window")
    sent = looked_up = ends = 0
    started = time.monotonic()
    before = len(lines(opened_file))
    shown = {"title": "Vorlank1.0版", "testUnderWay": False}
    while sent < events:
        burst, end_box = [], False
        while len(burst) < 40 and sent + len(burst) < events and not end_box:
            over = not shown["testUnderWay"]
            r = rng.random()
            action = "开始测试" if r < 0.002 or (over and r < 0.3) else \
                "提交" if r < 0.67 else "认识" if r < 0.80 else "不认识" if r < 0.95 else "查询此字"
            looked_up += action == "查询此字"
            shown = oracle.take(action)
            end_box = shown["box"] is not None
            burst += clicks(at, action)
        xdotool(*burst)
        sent += len(burst) // 9
        got = wait_for(lambda: xdotool("getwindowname", window), shown["title"], 15)
        if got != shown["title"]:
            fail(f"storm (seed {seed}): after {sent} events the title reads '{got}', "
                 f"expected '{shown['title']}'")
        if end_box:
            if not wait_for(lambda: len(boxes()), 1, 15):
                fail(f"storm (seed {seed}): no end box after {sent} events")
            # No window manager hands the box the keyboard: focus it, as a click on it would.
            xdotool("windowfocus", boxes()[0], "key", "Return")
            shown = oracle.take("Return")
            sent += 1
            ends += 1
            if wait_for(lambda: len(boxes()), 0, 15):
                fail(f"storm (seed {seed}): the end box stays after {sent} events")
    count = wait_for(lambda: len(lines(opened_file)) - before, looked_up, 60)
    if count != looked_up:
        fail(f"storm (seed {seed}): {count} look-ups reached the desktop, {looked_up} sent")
    for line in lines(opened_file)[before:]:
        if not re.fullmatch(r"https://dict\.baidu\.com/s\?wd=(%[0-9A-F]{2}){2}&select=0&tn=qorvex_pg", line):
            fail(f"storm (seed {seed}): look-up handed over as '{line}'")
    oracle.close()
    print(f"storm: {sent} events ({looked_up} look-ups, {ends} end boxes) "
          f"in {time.monotonic() - started:.0f} s, seed {seed}")


if sys.argv[1] == "journey":
    journey(sys.argv[2], sys.argv[3])
else:
    storm(int(sys.argv[2]), int(sys.argv[3]))
