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
    return (" ".join(value.split()) if isinstance(value, str)
            else [read(v) for v in value] if isinstance(value, list)
            else {k: read(v) for k, v in value.items()} if isinstance(value, dict) else value)


def differences(got, want, taken, loose):
    """The fields of `got` that are not as `want` says, "heard" and "opened" from `taken` on."""
    got, want, found = read(got), read(want), {}
    for field, wanted in want.items():
        seen = got.get(field, [])[taken[field]:] if field in taken else got.get(field)
        if not (len(seen) == len(wanted) and set(seen) <= set(wanted) if field in loose
                else seen == wanted):
            found[field] = (seen, wanted)
    return found


def play(driver, keyboard, context, seed, bursts, where, loose=(), seconds=5):
    """A fresh window in `context`, and each burst of steps acted and then observed until the
    window shows what the last step says (it takes input in its own time), or `seconds` pass;
    False, and the first difference reported, where it does not. Of steps replayed at once (the
    clicks made before the page's program was ready), a screen reader hears the last word."""
    driver.start(keyboard, context, seed)
    taken = dict.fromkeys(SINCE_START, 0)
    for number, burst in enumerate(bursts):
        driver.act([step["action"] for step in burst if step["action"]])
        want = dict(burst[-1]["observed"], **{f: [i for s in burst for i in s["observed"][f]]
                                              for f in SINCE_START})
        want["heard"] = want["heard"][-1:] if "early" in context else want["heard"]
        deadline = time.monotonic() + seconds
        while (missing := differences(driver.observe(), want, taken, loose)) \
                and time.monotonic() < deadline:
            time.sleep(0.005)
        if missing:
            print(f"FAIL: {driver.name}, {where}, step {number} ({burst[-1]['action'] or 'the start'}):")
            for field, (seen, wanted) in missing.items():
                print(f"  {field}: {json.dumps(seen, ensure_ascii=False)}, "
                      f"expected {json.dumps(wanted, ensure_ascii=False)}")
            return False
        taken = {f: taken[f] + len(want[f]) for f in SINCE_START}
    return True


def storm(oracle, keyboard, seed, events):
    """Random draws, answers (by click and by arrow key), submits, look-ups and end boxes, with
    what the core shows after each, in bursts that end where a box comes up."""
    dice = random.Random(seed)
    model = subprocess.Popen([oracle, "walk", keyboard, str(seed)], stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, text=True, encoding="utf-8")
    shown = json.loads(model.stdout.readline())["observed"]
    bursts, ended = [[{"action": None, "observed": shown}], []], False
    for _ in range(events):
        r = dice.random()
        action = (dice.choice(("Return", "Escape")) if shown["box"]
                  else "开始测试" if r < 0.005 or (ended and r < 0.5)
                  else dice.choice(("认识", "不认识")) if r < 0.25
                  # an arrow key where an answer has the focus, where none has a submit
                  else (dice.choice(("Left", "Right")) if shown["focus"] in ("认识", "不认识")
                        else "提交") if r < 0.32
                  else "查询此字" if r < 0.37 else "提交")
        model.stdin.write(action + "\n")
        model.stdin.flush()
        shown = json.loads(model.stdout.readline())["observed"]
        # Once a test has ended, the reader soon starts another.
        ended = action != "开始测试" and (ended or "测试完毕" in (shown["box"] or {}).get("message", ""))
        bursts[-1].append({"action": action, "observed": shown})
        if shown["box"] or len(bursts[-1]) == 40:
            bursts.append([])  # a box is closed by a key of its own, once it is seen
    model.stdin.close()
    return [b for b in bursts if b]


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
    started, passed, failed, skipped = time.monotonic(), 0, 0, []
    try:
        for keyboard in driver.keyboards:
            rows = subprocess.run([oracle, "rows", keyboard, str(seed)], capture_output=True,
                                  text=True, encoding="utf-8", check=True).stdout.splitlines()
            for row in map(json.loads, rows):
                if not driver.takes(keyboard, row["context"]):
                    skipped.append(f"{keyboard}: {row['line']}")
                    continue
                steps = row["steps"]
                # Clicks before the page's program is ready come in one burst.
                early = "early" in row["context"]
                bursts = [steps[:1], steps[1:]] if early else [[s] for s in steps]
                ok = play(driver, keyboard, row["context"], seed, [b for b in bursts if b],
                          f"{keyboard}: {row['line']}", seconds=10 if early else 5)
                passed, failed = passed + ok, failed + (not ok)
        keyboard = driver.keyboards[0]
        stormed = play(driver, keyboard, [], storm_seed,
                       storm(oracle, keyboard, storm_seed, driver.storm),
                       f"{keyboard} storm (VORLANK_STORM_SEED={storm_seed})", driver.loose, 30)
    finally:
        driver.stop()
    for row in skipped:
        print(f"skipped, a context {driver.name} lacks: {row}")
    print(f"{driver.name}: {passed} rows passed, {failed} failed, {len(skipped)} skipped; storm "
          f"of {driver.storm} actions {'passed' if stormed else 'failed'}; "
          f"{time.monotonic() - started:.0f} s (VORLANK_SEED={seed})")
    sys.exit(0 if stormed and not failed else 1)


if __name__ == "__main__":
    main()
