"""The Linux window's driver for the journeys runner: the window hosted by qt_agent on this X
display (with a window manager), typed at and clicked through X (x_input), as a user's keyboard
and mouse reach it, and observed through the agent; the addresses are those a recording xdg-open
received. A locale or a dpi of its own starts the agent afresh, under that locale or scale.
"""
import json
import os
import shutil
import subprocess
import tempfile
import time

from runner import Missing
from x_input import Input

# The desktop's opener in each context: it records the address, and then gives up at once, later,
# or not at all.
OPENERS = {"opens": "", "late": "sleep 2; exit 3", "fails": None}


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.strip()


class Driver:
    name = "the Linux window"
    keyboards = ("window",)
    storm = 1000
    loose = ()

    def __init__(self, agent):
        if not shutil.which("xdotool") or not os.environ.get("DISPLAY"):
            raise Missing("no X display with xdotool")
        self.program = agent
        self.scratch = tempfile.mkdtemp()
        self.received = os.path.join(self.scratch, "opened")
        for kind, then in OPENERS.items():
            os.mkdir(os.path.join(self.scratch, kind))
            if then is None:
                continue
            with open(os.path.join(self.scratch, kind, "xdg-open"), "w", encoding="utf-8") as f:
                f.write(f"#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$@\" >> '{self.received}'\n"
                        f"{then}\n")
            os.chmod(os.path.join(self.scratch, kind, "xdg-open"), 0o755)
        self.agent = self.environment = self.window = None
        self.places = {}
        self.input = Input(taken=self.taken)
        self.sent = 0

    def takes(self, keyboard, context):
        return all(w in ("fails", "late") or w.startswith(("locale=", "dpi=")) for w in context)

    def ask(self, *words):
        self.agent.stdin.write(" ".join(map(str, words)) + "\n")
        self.agent.stdin.flush()
        return json.loads(self.agent.stdout.readline())

    def start(self, keyboard, context, seed):
        settings = dict(w.split("=") for w in context if "=" in w)
        environment = dict(os.environ, VORLANK_OPENERS=self.scratch, QT_QPA_PLATFORM="xcb",
                           QT_SCALE_FACTOR=str(int(settings.get("dpi", 96)) / 96),
                           LANG=settings.get("locale", "C") + ".UTF-8")
        environment["LC_ALL"] = environment["LANG"]
        if environment != self.environment:
            self.stop()
            self.agent = subprocess.Popen([self.program], stdin=subprocess.PIPE,
                                          stdout=subprocess.PIPE, env=environment, text=True,
                                          encoding="utf-8")
            self.environment = environment
            self.sent = 0
        if os.path.exists(self.received):
            os.remove(self.received)
        self.window = self.ask("start", seed, *context)["window"]
        self.places = {}
        self.front(self.window)

    def taken(self, releases):
        """Waits until the window has taken in every click and key sent."""
        self.sent += releases
        for _ in range(1000):
            if self.ask("handled")["inputs"] >= self.sent:
                return
            time.sleep(0.001)
        self.sent = self.ask("handled")["inputs"]

    def front(self, window):
        """Waits until `window` has the keyboard, as the window manager gives it."""
        for _ in range(200):
            if xdotool("getactivewindow") == str(window):
                return
            time.sleep(0.02)
        xdotool("windowactivate", "--sync", str(window))

    def act(self, actions):
        for action in actions:
            if action == "away":
                elsewhere = self.ask("away")["window"]
                self.front(elsewhere)
                xdotool("type", "elsewhere")
                xdotool("windowactivate", "--sync", str(self.window))
                self.sent = self.ask("handled")["inputs"]
            elif action.startswith("held:"):
                # Long enough for X's own repeat to start and run a while.
                self.input.key(action[5:], hold=1.5)
                self.sent = self.ask("handled")["inputs"]
            elif action.isascii():
                self.input.key(action)
            else:
                if action not in self.places:
                    self.places[action] = self.ask("where", action)
                self.input.click(self.window, self.places[action]["x"], self.places[action]["y"])

    def observe(self):
        seen = self.ask("observe")
        if os.path.exists(self.received):
            with open(self.received, encoding="utf-8") as f:
                seen["opened"] = f.read().splitlines()
        return seen

    def stop(self):
        if self.agent:
            self.agent.stdin.close()
            self.agent.wait()
            self.agent = None
