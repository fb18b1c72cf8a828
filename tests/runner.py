#!/usr/bin/python3
"""The journeys runner, the one harness of the three windows: it takes every row of
tests/journeys.txt that a front end's window takes, then a seeded storm of clicks and keys,
through that front end's driver; asks the core (window_oracle) what the window must show after
every step; and reports, once a row, the first step whose observation differs.

A driver (qt_driver.py, wine_driver.py, page_driver.py) is a class Driver(arguments) with:
  name, keyboards: what it is called, and the keyboards its window has;
  takes(keyboard, context): whether it can start a window in that context;
  start(keyboard, context, seed): a fresh window, its draws those of the seed;
  act(actions): the actions in one burst: clicks on controls by the name a screen reader reads,
    keys as X names them, "held:KEY", "away";
  observe(): what the user's tools see now, the fields window_oracle prints, "heard" and
    "opened" counted from the start; loose: the list fields whose order a burst may change and
    whose texts it may repeat (a screen reader reads a live region's text when it hears of it);
  storm: how many actions its storm takes; stop().

Usage: runner.py qt|wine|page ORACLE DRIVER_ARGUMENTS...   VORLANK_SEED replays the draws,
VORLANK_STORM_SEED the storm. Exits 77 when the driver lacks a tool it needs.
"""
import importlib
import json
import os
import random
import subprocess
import sys
import time

SINCE_START = ("heard", "opened")


class Missing(Exception):
    """A tool the driver needs is not installed: the harness cannot run."""


def read(value):
    """A value as a screen reader reads it: any run of white space one space, none at the ends."""
    if isinstance(value, str):
        return " ".join(value.split())
    if isinstance(value, list):
        return [read(v) for v in value]
    if isinstance(value, dict):
        return {k: read(v) for k, v in value.items()}
    return value


def differences(got, want, taken, loose=()):
    """The fields of `got` that are not as `want` says, "heard" and "opened" from `taken` on."""
    found = {}
    got, want = read(got), read(want)
    for field, wanted in want.items():
        seen = got.get(field, [])
        if field in SINCE_START:
            seen = seen[taken[field]:]
        if field in loose:
            same = len(seen) == len(wanted) and set(seen) <= set(wanted)
        else:
            same = seen == wanted
        if not same:
            found[field] = (seen, wanted)
    return found


def settle(driver, want, taken, seconds, loose=()):
    """What the window shows once it shows `want`, or after `seconds`: the window takes input in
    its own time. The differences that remain."""
    deadline = time.monotonic() + seconds
    while True:
        missing = differences(driver.observe(), want, taken, loose)
        if not missing or time.monotonic() > deadline:
            return missing
        time.sleep(0.02)


def merged(steps, replayed=False):
    """What a burst of steps leaves: the last observation, with all they said and opened; of
    steps replayed at once, a screen reader hears only the last word."""
    last = dict(steps[-1]["observed"])
    for field in SINCE_START:
        last[field] = [item for step in steps for item in step["observed"][field]]
    last["heard"] = last["heard"][-1:] if replayed else last["heard"]
    return last


def report(where, step, action, missing):
    print(f"FAIL: {where}, step {step} ({action or 'the start'}):")
    for field, (seen, wanted) in missing.items():
        print(f"  {field}: {json.dumps(seen, ensure_ascii=False)}, "
              f"expected {json.dumps(wanted, ensure_ascii=False)}")


def journeys(driver, oracle, seed):
    """Every row the driver's window takes; the counts passed, failed and skipped."""
    counts = {"passed": 0, "failed": 0, "skipped": []}
    for keyboard in driver.keyboards:
        rows = subprocess.run([oracle, "rows", keyboard, str(seed)], capture_output=True,
                              text=True, encoding="utf-8", check=True).stdout.splitlines()
        for row in map(json.loads, rows):
            if not driver.takes(keyboard, row["context"]):
                counts["skipped"].append(f"{keyboard}: {row['line']}")
                continue
            driver.start(keyboard, row["context"], seed)
            steps = row["steps"]
            # Clicks before the page's program is ready come in one burst, which it replays at
            # once when it is.
            early = "early" in row["context"]
            bursts = [steps[:1], steps[1:]] if early else [[s] for s in steps]
            taken = dict.fromkeys(SINCE_START, 0)
            for number, burst in enumerate(b for b in bursts if b):
                driver.act([s["action"] for s in burst if s["action"]])
                want = merged(burst, early)
                missing = settle(driver, want, taken, 10 if early else 5)
                if missing:
                    report(f"{driver.name}, {keyboard}: {row['line']}", number, burst[-1]["action"],
                           missing)
                    counts["failed"] += 1
                    break
                for field in SINCE_START:
                    taken[field] += len(want[field])
            else:
                counts["passed"] += 1
    return counts


def storm(driver, oracle, keyboard, seed, events):
    """Random draws, answers (by click and by arrow key), submits, look-ups and end boxes in
    bursts, checked against the core after every burst; False at the first that differs."""
    dice = random.Random(seed)
    model = subprocess.Popen([oracle, "walk", keyboard, str(seed)], stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, text=True, encoding="utf-8")
    shown = json.loads(model.stdout.readline())
    driver.start(keyboard, [], seed)
    taken = dict.fromkeys(SINCE_START, 0)
    sent, started, ended = 0, time.monotonic(), False
    passed = not settle(driver, merged([{"observed": shown}]), taken, 5)
    while passed and sent < events:
        burst = []
        while len(burst) < 40 and sent < events:
            r = dice.random()
            if shown["box"]:
                action = dice.choice(("Return", "Escape"))
            elif r < 0.005 or (ended and r < 0.5):
                action = "开始测试"
            elif r < 0.25:
                action = dice.choice(("认识", "不认识"))
            elif r < 0.32 and shown["focus"] in ("认识", "不认识"):
                action = dice.choice(("Left", "Right"))
            elif r < 0.37:
                action = "查询此字"
            else:
                action = "提交"
            model.stdin.write(action + "\n")
            model.stdin.flush()
            shown = json.loads(model.stdout.readline())
            # Once a test has ended, the reader soon starts another.
            ended = action != "开始测试" and (ended or (shown["box"] or {}).get(
                "message", "").startswith("测试完毕"))
            burst.append({"action": action, "observed": shown})
            sent += 1
            if shown["box"]:
                break  # a box is closed by a key of its own, once it is seen
        driver.act([s["action"] for s in burst])
        want = merged(burst)
        missing = settle(driver, want, taken, 30, driver.loose)
        if missing:
            report(f"{driver.name}, {keyboard} storm (VORLANK_STORM_SEED={seed})", sent,
                   burst[-1]["action"], missing)
            passed = False
        for field in SINCE_START:
            taken[field] += len(want[field])
    model.stdin.close()
    model.wait()
    print(f"{driver.name}: storm of {sent} actions in {time.monotonic() - started:.0f} s, "
          f"seed {seed}")
    return passed


def main():
    front_end, oracle, *arguments = sys.argv[1:]
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    sys.modules.setdefault("runner", sys.modules["__main__"])  # the drivers' Missing is this one
    try:
        driver = importlib.import_module(f"{front_end}_driver").Driver(*arguments)
    except Missing as missing:
        print(f"SKIPPED: {missing}")
        sys.exit(77)
    seed = int(os.environ.get("VORLANK_SEED", time.time_ns() % 1_000_000))
    storm_seed = int(os.environ.get("VORLANK_STORM_SEED", seed))
    started = time.monotonic()
    try:
        counts = journeys(driver, oracle, seed)
        stormed = storm(driver, oracle, driver.keyboards[0], storm_seed, driver.storm)
    finally:
        driver.stop()
    for skipped in counts["skipped"]:
        print(f"skipped, a context {driver.name} lacks: {skipped}")
    print(f"{driver.name}: {counts['passed']} rows passed, {counts['failed']} failed, "
          f"{len(counts['skipped'])} skipped; storm {'passed' if stormed else 'failed'}; "
          f"{time.monotonic() - started:.0f} s (VORLANK_SEED={seed})")
    sys.exit(0 if stormed and not counts["failed"] else 1)


if __name__ == "__main__":
    main()
