"""The Windows program's driver for the journeys runner: Vorlank.exe under Wine on this X display
(with a window manager), started afresh for each journey in one Wine prefix whose server stays up
for the whole run; typed at and clicked through X (x_input), as a user's keyboard and mouse reach
it; observed by wine_agent.exe, on the Windows side, as a screen reader has it; the addresses are
those a recording xdg-open received, which Wine's browser launcher hands them to. What it draws
wrongly where the core has no say comes back as the observation's faults: at each dpi, the
client area, a window that keeps its size, the faces' sizes and the pictures; in every box, a
message drawn in real glyphs, not one empty box repeated (a face without Chinese draws those).
"""
import json
import os
import pathlib
import re
import shutil
import subprocess
import time

from boxed_text import in_boxes
from runner import Missing
from x_input import Input

HERE = pathlib.Path(__file__).parent


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.strip()


class Driver:
    name = "the Windows program"
    keyboards = ("window",)
    storm = 2000
    # A screen reader reads a live region's text when it hears of the change, which a quick burst
    # of answers has changed again by then, and Wine hands another process the changes out of
    # order, as the desktop's openers may end in any order.
    loose = ("heard", "opened")

    def __init__(self, build, scratch):
        for tool in ("wine", "wineserver", "xdotool", "import"):
            if not shutil.which(tool):
                raise Missing(f"no {tool}")
        self.build = pathlib.Path(build)
        if not (self.build / "Vorlank.exe").exists():
            raise Missing(f"no {self.build / 'Vorlank.exe'}: run 'make windows' first")
        self.scratch = pathlib.Path(scratch)
        self.received = self.scratch / "opened"
        recorder = self.scratch / "recorder"
        recorder.mkdir(parents=True, exist_ok=True)
        (recorder / "xdg-open").write_text(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{self.received}'\n")
        (recorder / "xdg-open").chmod(0o755)
        self.environment = dict(os.environ, WINEPREFIX=str(self.scratch / "prefix"),
                                WINEDEBUG="-all", PATH=f"{recorder}:{os.environ['PATH']}")
        subprocess.run(["wineserver", "-p"], env=self.environment, check=True)
        self.agent = subprocess.Popen(["wine", str(self.build / "wine_agent.exe")],
                                      stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                      env=dict(self.environment, LANG="zh_CN.UTF-8"), text=True,
                                      encoding="utf-8")
        self.input = Input(taken=self.taken)
        self.sent = self.ask("handled")["inputs"]
        self.program = None
        self.dpi = 96
        self.sized = set()

    def takes(self, keyboard, context):
        return all(w == "fails" or w.startswith(("locale=", "dpi=")) for w in context)

    def ask(self, *words):
        self.agent.stdin.write(" ".join(map(str, words)) + "\n")
        self.agent.stdin.flush()
        return json.loads(self.agent.stdout.readline())

    def wine(self, *arguments, **settings):
        return subprocess.run(["wine", *arguments], env=dict(self.environment, **settings),
                              capture_output=True)

    def start(self, keyboard, context, seed):
        settings = dict(w.partition("=")[::2] for w in context)
        self.end()
        dpi = int(settings.get("dpi", 96))
        if dpi != self.dpi:
            self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                      "REG_DWORD", "/d", str(dpi), "/f")
            self.dpi = dpi
        if self.received.exists():
            self.received.unlink()
        # Under a Chinese locale Wine's ANSI code page is 936; others have theirs.
        locale = settings.get("locale", "zh_CN") + ".UTF-8"
        overrides = "mscoree,mshtml=" + (";winebrowser.exe=d" if "fails" in settings else "")
        self.program = subprocess.Popen(
            ["wine", str(self.build / "Vorlank.exe")], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, env=dict(self.environment, LANG=locale, LC_ALL=locale,
                                                VORLANK_SEED=str(seed), WINEDLLOVERRIDES=overrides))
        self.ask("attach")
        self.window = int(xdotool("search", "--sync", "--onlyvisible", "--name", r"^Vorlank1\.0版$"))
        self.front(self.window)
        self.faults = [] if dpi in self.sized else self.sizes()
        self.sized.add(dpi)
        self.places = {}
        self.checked_box = None

    def taken(self, releases):
        """Waits until the system has taken in every click and key sent."""
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
                self.wine_in_background("notepad")
                away = int(xdotool("search", "--sync", "--onlyvisible", "--name", "记事本|Notepad"))
                self.front(away)
                xdotool("type", "elsewhere")
                xdotool("windowactivate", "--sync", str(self.window))
                xdotool("windowkill", str(away))
                self.sent = self.ask("handled")["inputs"]
            elif action.startswith("held:"):
                self.input.key(action[5:], hold=1.5)
                self.sent = self.ask("handled")["inputs"]
            elif action.isascii():
                self.input.key(action)
            else:
                if action not in self.places:
                    self.places[action] = self.ask("where", action)
                self.input.click(self.window, self.places[action]["x"], self.places[action]["y"])

    def wine_in_background(self, *arguments):
        subprocess.Popen(["wine", *arguments], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                         env=self.environment)

    def observe(self):
        seen = self.ask("observe")
        seen.update(keyboard="window", leaving=False, faults=list(self.faults))
        seen["opened"] = self.received.read_text().splitlines() if self.received.exists() else []
        if seen["box"]:
            at = seen["box"].pop("messageAt")
            if self.checked_box != seen["box"]:
                self.checked_box = seen["box"]
                shot = str(self.scratch / "box.png")
                subprocess.run(["import", "-window", "root", shot], check=True)
                self.box_faults = ["the box's message drawn in boxes"] if in_boxes(shot, *at) else []
            seen["faults"] += self.box_faults
        return seen

    def sizes(self):
        """What a user sees of size and shape at this dpi: the client area, a window that keeps
        its size (what the window manager is told: a fixed size, and neither resizing nor
        maximising among the Motif functions, 0x2 and 0x10), the 72-point character, a 9-point
        line of text, and (at the artwork's own size) each product's picture rather than the
        other's."""
        px = lambda twips: (twips * self.dpi + 720) // 1440  # as MulDiv rounds
        faults = []
        size = f"{px(9315)}x{px(6045)}"
        geometry = xdotool("getwindowgeometry", str(self.window))
        if f"Geometry: {size}" not in geometry:
            faults.append(f"the client area at {self.dpi} dpi: {geometry}")
        hints = subprocess.run(["xprop", "-id", str(self.window), "WM_NORMAL_HINTS", "_MOTIF_WM_HINTS"],
                               capture_output=True, text=True).stdout
        given = re.findall(r"program specified (m\w+) size: (\d+) by (\d+)", hints)
        functions = re.search(r"_MOTIF_WM_HINTS.* = [^,]*, (0x[0-9a-f]+),", hints)
        if given != [("minimum", *size.split("x")), ("maximum", *size.split("x"))] \
                or not functions or int(functions.group(1), 16) & 0x12:
            faults.append(f"the window may be resized at {self.dpi} dpi: {hints}")
        shot = str(self.scratch / f"start-{self.dpi}.png")
        subprocess.run(["import", "-window", str(self.window), shot], check=True)

        def crop(left, top, width, height):
            return [shot, "-crop", f"{px(width)}x{px(height)}+{px(left)}+{px(top)}", "+repage"]

        def ink(*rectangle):
            box = subprocess.run(["convert", *crop(*rectangle), "-colorspace", "Gray",
                                  "-threshold", "50%", "-format", "%@", "info:"],
                                 capture_output=True, text=True).stdout
            return int(re.match(r"\d+x(\d+)", box).group(1)) if box else 0
        # 人 fills most of its em, 72 points: one inch. The window face's lines are 9 points.
        if not self.dpi * 8 // 10 <= ink(1200, 1560, 1815, 1575) <= self.dpi:
            faults.append(f"人 is not 72 points at {self.dpi} dpi")
        cell = 9 * self.dpi // 72
        if not cell * 6 // 10 <= ink(120, 1560, 855, 255) <= cell:
            faults.append(f"第1个字： is not the 9-point window face at {self.dpi} dpi")
        pictures = (("product1", "product2", (4680, 360, 2160, 2160)),
                    ("product2", "product1", (4680, 2760, 750, 750)))
        for own, other, rectangle in pictures if self.dpi == 96 else ():
            differing = [self.differing(crop(*rectangle), art) for art in (own, other)]
            if not differing[0] < min(differing[1], px(rectangle[2]) * px(rectangle[3]) // 20):
                faults.append(f"the picture of {own} at {self.dpi} dpi")
        return faults

    def differing(self, crop, art):
        """How many pixels of a part of a screenshot differ from the artwork scaled to it."""
        part, scaled = self.scratch / "part.png", self.scratch / "art.png"
        subprocess.run(["convert", *crop, str(part)], check=True)
        width, height = re.search(r"(\d+)x(\d+)\+", crop[2]).groups()
        subprocess.run(["convert", str(HERE / f"../assets/{art}.png"), "-resize",
                        f"{width}x{height}!", str(scaled)], check=True)
        compared = subprocess.run(["compare", "-metric", "AE", "-fuzz", "15%", str(part),
                                   str(scaled), "null:"], capture_output=True, text=True)
        return float(compared.stderr.split()[0])

    def end(self):
        if self.program:
            self.ask("close")
            self.program.wait()
            self.program = None

    def stop(self):
        self.end()
        self.agent.stdin.close()
        self.agent.wait()
        subprocess.run(["wineserver", "-k"], env=self.environment)
        if self.dpi != 96:
            self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                      "REG_DWORD", "/d", "96", "/f")
