"""The Linux window's driver for the journeys runner: the window hosted by qt_agent on this X
display (with a window manager and the accessibility bus), typed at and clicked through X
(desktop.py), observed through the agent; the addresses are those a recording xdg-open received.
A locale or a dpi of its own starts the agent afresh, under that locale or scale.
"""
import os
import shutil
import tempfile
import pathlib

from desktop import Desktop
from runner import Missing


class Driver(Desktop):
    name = "the Linux window"
    storm = 1000
    # The desktop's openers run side by side: two in one burst may record in either order.
    loose = ("opened",)

    def __init__(self, agent):
        if not shutil.which("xdotool") or not os.environ.get("DISPLAY"):
            raise Missing("no X display with xdotool")
        # The desktop's opener in each context: it takes the address, and then gives up later,
        # or there is none.
        super().__init__(pathlib.Path(tempfile.mkdtemp()),
                         {"opens": "", "late": "sleep 2; exit 3", "fails": None})
        self.program, self.agent, self.environment = agent, None, None

    def takes(self, keyboard, context):
        return all(w in ("fails", "late") or w.startswith(("locale=", "dpi=")) for w in context)

    def start(self, keyboard, context, seed):
        settings = dict(w.partition("=")[::2] for w in context)
        environment = dict(os.environ, VORLANK_OPENERS=str(self.openers), QT_QPA_PLATFORM="xcb",
                           QT_SCALE_FACTOR=str(int(settings.get("dpi", 96)) / 96),
                           LANG=settings.get("locale", "C") + ".UTF-8")
        environment["LC_ALL"] = environment["LANG"]
        if environment != self.environment:
            if self.agent:
                self.stop()
            self.agent, self.environment = self.launch([self.program], environment), environment
        self.started(self.ask("start", seed, *context)["window"])

    def away(self):
        return self.ask("away")["window"]

    def observe(self):
        return dict(self.ask("observe"), opened=self.opened())
