"""The Windows program's driver for the journeys runner: Vorlank.exe under Wine on this X display
(with a window manager), started afresh for each journey in one Wine prefix whose server stays up
for the whole run; typed at and clicked through X (desktop.py); observed by wine_agent.exe, on the
Windows side, as a screen reader has it; the addresses are those a recording xdg-open received,
to which Wine's browser launcher hands them. What it draws wrongly where the core has no say comes
back as faults: at each dpi the client area, a window that keeps its size, the faces' sizes and
the pictures; in every box, a message drawn in real glyphs, not one empty box repeated (as a face
without Chinese draws them), and the program's icon.
"""
import collections
import itertools
import os
import pathlib
import re
import shutil
import subprocess
import time

from desktop import Desktop
from runner import Missing

HERE = pathlib.Path(__file__).parent


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def shown(name):
    """The X id of the window named `name`, once it shows (asked every 20 ms: xdotool's own
    wait looks every half second)."""
    for _ in range(1500):
        found = run("xdotool", "search", "--onlyvisible", "--name", name).split()
        if found:
            return int(found[0])
        time.sleep(0.02)
    raise RuntimeError(f"no window named {name} showed")


def in_boxes(png, x, y, w, h):
    """Whether the text in a part of a screenshot is drawn in empty boxes: a face that lacks the
    characters draws the same box for each, so one shape of ink (a run of columns with ink
    between columns without) makes up more than a third of the line, where real characters share
    a component or two at most (讠 in 认识, say)."""
    pgm = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace",
                          "Gray", "-depth", "8", "pgm:-"], capture_output=True, check=True).stdout
    width, height, pixels = (lambda h: (int(h[1]), int(h[2]), h[4]))(pgm.split(maxsplit=4))
    columns = [tuple(pixels[r * width + c] < 128 for r in range(height)) for c in range(width)]
    runs = [tuple(run) for ink, run in itertools.groupby(columns, key=any) if ink]
    return not runs or 3 * collections.Counter(runs).most_common(1)[0][1] > len(runs)


class Driver(Desktop):
    name = "the Windows program"
    storm = 2000
    # A screen reader reads a live region's text when it hears of the change, which a burst of
    # answers has changed again by then, and Wine hands another process the changes out of
    # order, as the desktop's openers may end in any order.
    loose = ("heard", "opened")

    def __init__(self, build, scratch):
        if not all(map(shutil.which, ("wine", "xdotool", "import"))):
            raise Missing("no wine, xdotool or ImageMagick")
        self.build, self.scratch = pathlib.Path(build), pathlib.Path(scratch)
        super().__init__(self.scratch / "openers", {"opens": ""})
        self.environment = dict(os.environ, WINEPREFIX=str(self.scratch / "prefix"),
                                WINEDEBUG="-all", PATH=f"{self.openers}/opens:{os.environ['PATH']}")
        subprocess.run(["wineserver", "-p"], env=self.environment, check=True)
        self.agent = self.launch(["wine", str(self.build / "wine_agent.exe")],
                                 dict(self.environment, LANG="zh_CN.UTF-8"))
        self.program, self.dpi, self.sized = None, 96, set()

    def takes(self, keyboard, context):
        return all(w == "fails" or w.startswith(("locale=", "dpi=")) for w in context)

    def start(self, keyboard, context, seed):
        settings = dict(w.partition("=")[::2] for w in context)
        self.end()
        self.set_dpi(int(settings.get("dpi", 96)))
        # Under a Chinese locale Wine's ANSI code page is 936; others have theirs.
        locale = settings.get("locale", "zh_CN") + ".UTF-8"
        overrides = "mscoree,mshtml=" + (";winebrowser.exe=d" if "fails" in settings else "")
        self.program = subprocess.Popen(
            ["wine", str(self.build / "Vorlank.exe")], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, env=dict(self.environment, LANG=locale, LC_ALL=locale,
                                                VORLANK_SEED=str(seed), WINEDLLOVERRIDES=overrides))
        window = shown(r"^Vorlank1\.0版$")
        self.front(window)
        self.ask("attach")
        self.started(window)
        self.faults = [] if self.dpi in self.sized else self.sizes()
        self.sized.add(self.dpi)
        self.seen_box = None

    def set_dpi(self, dpi):
        if dpi != self.dpi:
            subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                            "/t", "REG_DWORD", "/d", str(dpi), "/f"], env=self.environment,
                           capture_output=True)
            self.dpi = dpi

    def away(self):
        subprocess.Popen(["wine", "notepad"], env=self.environment, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
        return shown("记事本|Notepad")

    def observe(self):
        seen = dict(self.ask("observe"), keyboard="window", leaving=False, faults=list(self.faults))
        seen["opened"] = self.opened()
        if seen["box"]:
            at = seen["box"].pop("messageAt")
            # A box may be seen before it is painted: a fault is looked for again.
            if self.seen_box != seen["box"] or self.box_faults:
                self.seen_box = seen["box"]
                run("import", "-window", "root", str(self.scratch / "box.png"))
                self.box_faults = ["the box's message drawn in boxes"] * in_boxes(
                    str(self.scratch / "box.png"), *at)
            seen["faults"] += self.box_faults
            icon = lambda w: self.display.create_resource_object("window", w).get_full_property(
                self.display.intern_atom("_NET_WM_ICON"), 0)
            box = run("xdotool", "search", "--onlyvisible", "--name", "^Vorlank$").split()
            if not box or getattr(icon(int(box[0])), "value", None) != icon(self.window).value:
                seen["faults"].append("the box's icon not the program's")
        return seen

    def sizes(self):
        """What a user sees of size and shape at this dpi: the client area, a window that keeps
        its size (a fixed size, and neither resizing nor maximising among the Motif functions,
        0x2 and 0x10), the 72-point character, a 9-point line of text, and (at the artwork's own
        size) each product's picture rather than the other's."""
        px = lambda twips: (twips * self.dpi + 720) // 1440  # as MulDiv rounds
        size, faults = f"{px(9315)}x{px(6045)}", []
        if f"Geometry: {size}" not in run("xdotool", "getwindowgeometry", str(self.window)):
            faults.append(f"the client area at {self.dpi} dpi is not {size}")
        hints = run("xprop", "-id", str(self.window), "WM_NORMAL_HINTS", "_MOTIF_WM_HINTS")
        functions = re.search(r"_MOTIF_WM_HINTS.* = [^,]*, (0x[0-9a-f]+),", hints)
        if re.findall(r"program specified m\w+ size: (\d+) by (\d+)", hints) != \
                [tuple(size.split("x"))] * 2 or not functions or int(functions[1], 16) & 0x12:
            faults.append(f"the window may be resized at {self.dpi} dpi")
        shot = str(self.scratch / "start.png")
        run("import", "-window", str(self.window), shot)
        crop = lambda left, top, width, height: [
            shot, "-crop", f"{px(width)}x{px(height)}+{px(left)}+{px(top)}", "+repage"]
        ink = lambda *rectangle: int(re.sub(r"^\d+x(\d+).*", r"\1", run(
            "convert", *crop(*rectangle), "-colorspace", "Gray", "-threshold", "50%", "-format",
            "%@", "info:")) or 0)
        # 人 fills most of its em, 72 points: one inch. The window face's lines are 9 points.
        if not self.dpi * 8 // 10 <= ink(1200, 1560, 1815, 1575) <= self.dpi:
            faults.append(f"人 is not 72 points at {self.dpi} dpi")
        if not 9 * self.dpi // 72 * 6 // 10 <= ink(120, 1560, 855, 255) <= 9 * self.dpi // 72:
            faults.append(f"第1个字： is not the 9-point window face at {self.dpi} dpi")
        for own, other, at in (("product1", "product2", (4680, 360, 2160, 2160)),
                               ("product2", "product1", (4680, 2760, 750, 750))):
            differ = [float((subprocess.run(
                ["compare", "-metric", "AE", "-fuzz", "15%", f"{shot}[{px(at[2])}x{px(at[3])}+"
                 f"{px(at[0])}+{px(at[1])}]", str(HERE / f"../assets/{art}.png"), "null:"],
                capture_output=True, text=True).stderr.split() or ["1e9"])[0])
                for art in (own, other)]
            if self.dpi == 96 and not differ[0] < min(differ[1], px(at[2]) * px(at[3]) // 20):
                faults.append(f"the picture of {own}")
        return faults

    def end(self):
        if self.program:
            self.program.kill()
            self.program.wait()

    def stop(self):
        self.end()
        super().stop()
        self.set_dpi(96)
        subprocess.run(["wineserver", "-k"], env=self.environment)
