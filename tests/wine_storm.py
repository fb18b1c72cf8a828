#!/usr/bin/env python3
"""A storm of clicks on the Windows program under Wine, checked against a small model.

Random draws, answers with either choice or none, submits, look-ups and the end message box,
sent from outside with xdotool in bursts; after each burst the window's title must be what the
model says, and each end box must come and go. Afterwards the program must still answer.

Usage: wine_storm.py WINDOW OPENED_FILE SEED EVENTS start=X,Y submit=X,Y lookup=X,Y yes=X,Y no=X,Y
"""
import random
import re
import subprocess
import sys
import time

window, opened_file, seed, events = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
at = {k: v.split(",") for k, v in (a.split("=") for a in sys.argv[5:])}
TEST_LENGTH, FACTOR, START_TITLE = 91, 74, "Vorlank1.0版"


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def wait_for(what, want, seconds=15):
    deadline = time.monotonic() + seconds
    while True:
        got = what()
        if got == want or time.monotonic() > deadline:
            return got
        time.sleep(0.05)


def boxes():
    found = xdotool("search", "--onlyvisible", "--name", "^Vorlank$")
    return found.split() if found else []


def lookups():
    try:
        with open(opened_file, encoding="utf-8") as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


class Model:
    """What the window shows: the title, the answer selected, where the test stands."""

    def __init__(self):
        self.title, self.selected, self.index, self.known = START_TITLE, None, 0, 0

    def draw(self):
        self.index, self.known = 1, 0

    def submit(self):
        """True when this submit brings up the end box."""
        if not 1 <= self.index <= TEST_LENGTH:
            return False
        self.known += self.selected == "yes"
        self.title = f"你认识{self.known * FACTOR}个字！"
        self.index += 1
        return self.index == TEST_LENGTH + 1


def fail(message):
    print(f"FAIL: storm (seed {seed}): {message}")
    sys.exit(1)


rng = random.Random(seed)
model = Model()
sent = looked_up = ends = 0
started = time.monotonic()
lookups_before = len(lookups())
while sent < events:
    burst, end_box = [], False
    while len(burst) < 40 and sent + len(burst) < events and not end_box:
        over = not 1 <= model.index <= TEST_LENGTH
        r = rng.random()
        if (over and r < 0.5) or r < 0.002:
            action = "start"
            model.draw()
        elif r < 0.67:
            action = "submit"
            end_box = model.submit()
        elif r < 0.80:
            action = model.selected = "yes"
        elif r < 0.95:
            action = model.selected = "no"
        else:
            action = "lookup"
            looked_up += 1
        burst += ["mousemove", "--window", window, *at[action], "click", "--delay", "0", "1"]
    xdotool(*burst)
    sent += len(burst) // 6
    got = wait_for(lambda: xdotool("getwindowname", window), model.title)
    if got != model.title:
        fail(f"after {sent} events the title reads '{got}', expected '{model.title}'")
    if end_box:
        wait_for(lambda: len(boxes()), 1)
        box = boxes()
        if not box:
            fail(f"no end box after {sent} events")
        # No window manager hands the box the keyboard: focus it, as a click on it would.
        xdotool("windowfocus", box[0], "key", "Return")
        sent += 1
        ends += 1
        if wait_for(lambda: len(boxes()), 0) != 0:
            fail(f"the end box stays after {sent} events")

# Every look-up reached the desktop, each a dictionary address of one character.
count = wait_for(lambda: len(lookups()) - lookups_before, looked_up, 60)
if count != looked_up:
    fail(f"{count} look-ups reached the desktop, {looked_up} sent")
for line in lookups()[lookups_before:]:
    if not re.fullmatch(r"https://dict\.baidu\.com/s\?wd=(%[0-9A-F]{2}){2}&select=0&tn=qorvex_pg", line):
        fail(f"look-up handed over as '{line}'")

# Still answering: a fresh test, one recognised answer.
xdotool("mousemove", "--window", window, *at["start"], "click", "1",
        "mousemove", "--window", window, *at["yes"], "click", "1",
        "mousemove", "--window", window, *at["submit"], "click", "1")
if wait_for(lambda: xdotool("getwindowname", window), "你认识74个字！") != "你认识74个字！":
    fail("the window does not answer after the storm")
print(f"storm: {sent} events ({looked_up} look-ups, {ends} end boxes) "
      f"in {time.monotonic() - started:.0f} s, seed {seed}")
