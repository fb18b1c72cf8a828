"""What the drivers of the two desktop windows share (qt_driver.py, wine_driver.py): an agent
that observes the window as a screen reader does, on a pipe; keys and clicks through X's test
extension, as a keyboard and a mouse make them, the pointer moving through the same queue as the
buttons (xdotool warps it past the clicks still queued) and the server's own repeat running for a
key held down, each sent once the window has taken the last in (a toolkit reads a click and a
move that reach it together as a drag); recording openers; and the window manager's focus.
"""
import json
import subprocess
import time

from Xlib import X, XK, display
from Xlib.ext import xtest


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.strip()


class Desktop:
    keyboards = ("window",)

    def __init__(self, openers, kinds):
        """Recording openers, each the xdg-open of a folder of `openers`: it records the address
        and then does what `kinds` says of it (None: there is none)."""
        self.openers, self.received = openers, openers / "opened"
        for kind, then in kinds.items():
            (openers / kind).mkdir(parents=True, exist_ok=True)
            if then is not None:
                (openers / kind / "xdg-open").write_text(
                    f"#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$@\" >> '{self.received}'\n{then}\n")
                (openers / kind / "xdg-open").chmod(0o755)
        self.display = display.Display()
        self.places, self.sent = {}, 0

    def launch(self, command, environment):
        return subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                env=environment, text=True, encoding="utf-8")

    def ask(self, *words):
        self.agent.stdin.write(" ".join(map(str, words)) + "\n")
        self.agent.stdin.flush()
        return json.loads(self.agent.stdout.readline())

    def started(self, window):
        """A fresh window, once the window manager has given it the keyboard."""
        self.window, self.places = window, {}
        self.received.unlink(missing_ok=True)
        self.front(window)
        self.origin = self.display.screen().root.translate_coords(
            self.display.create_resource_object("window", window), 0, 0)
        self.sent = self.ask("handled")["inputs"]

    def front(self, window):
        for _ in range(200):
            if xdotool("getactivewindow") == str(window):
                return
            time.sleep(0.02)
        xdotool("windowactivate", "--sync", str(window))

    def act(self, actions):
        for action in actions:
            if action == "away":
                self.front(self.away())
                xdotool("type", "elsewhere")
                xdotool("windowactivate", "--sync", str(self.window))
            elif action.isascii():
                self.key(*action.split(":")[::-1])
            else:
                if action not in self.places:
                    self.places[action] = self.ask("where", action)
                at = self.places[action]
                xtest.fake_input(self.display, X.MotionNotify, x=self.origin.x + at["x"],
                                 y=self.origin.y + at["y"])
                xtest.fake_input(self.display, X.ButtonPress, 1)
                xtest.fake_input(self.display, X.ButtonRelease, 1)
                self.taken(1)

    def key(self, name, held=None):
        """A key as X names it, "shift+Tab" with the modifier held; held down long enough for
        X's own repeat to start and run a while."""
        codes = [self.display.keysym_to_keycode(XK.string_to_keysym(k.replace("shift", "Shift_L")))
                 for k in name.split("+")]
        for code in codes:
            xtest.fake_input(self.display, X.KeyPress, code)
        if held:
            self.display.sync()
            time.sleep(1.5)
        for code in reversed(codes):
            xtest.fake_input(self.display, X.KeyRelease, code)
        self.taken(len(codes))
        while held:  # its repeats, counted until they are all in
            time.sleep(0.1)
            counted = self.ask("handled")["inputs"]
            held, self.sent = counted != self.sent, counted

    def taken(self, releases):
        """Waits until the window has taken in every button and key released."""
        self.display.sync()
        self.sent += releases
        for _ in range(1000):
            if self.ask("handled")["inputs"] >= self.sent:
                return
            time.sleep(0.001)
        self.sent = self.ask("handled")["inputs"]

    def opened(self):
        return self.received.read_text().splitlines() if self.received.exists() else []

    def stop(self):
        self.agent.stdin.close()
        self.agent.wait()
