"""Keys and clicks through X's test extension, as a keyboard and a mouse make them, for the
drivers of the desktop windows: the pointer moves through the same queue as the buttons (xdotool
warps it past the clicks still queued), and the server's own key repeat runs for a key held
down. Each click or key is sent when the window has taken the last one in (`taken`), or a few
milliseconds after it, as no hand is faster: a toolkit can read a click and a move that reach it
together as a drag."""
import time

from Xlib import X, XK, display
from Xlib.ext import xtest


PACE = 0.005  # seconds from one click or key to the next


class Input:
    def __init__(self, taken=None):
        """`taken(releases)`, if given, waits until the window has taken in the buttons and
        keys released since."""
        self.display = display.Display()
        self.root = self.display.screen().root
        self.taken = taken

    def keycode(self, name):
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        if not code:
            raise ValueError(f"no key {name}")
        return code

    def click(self, window, x, y):
        """A click of the left button at x, y in `window` (an X window's id)."""
        origin = self.root.translate_coords(self.display.create_resource_object("window", window),
                                            0, 0)
        xtest.fake_input(self.display, X.MotionNotify, x=origin.x + x, y=origin.y + y)
        xtest.fake_input(self.display, X.ButtonPress, 1)
        xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.pause(1)

    def key(self, name, hold=0.0):
        """A key as X names it, "shift+Tab" with the modifier held; held down for `hold`
        seconds, long enough for the server to repeat it."""
        codes = [self.keycode("Shift_L" if k == "shift" else k) for k in name.split("+")]
        for code in codes:
            xtest.fake_input(self.display, X.KeyPress, code)
        if hold:
            self.display.sync()
            time.sleep(hold)
        for code in reversed(codes):
            xtest.fake_input(self.display, X.KeyRelease, code)
        self.pause(len(codes))

    def pause(self, releases):
        self.display.sync()
        if self.taken:
            self.taken(releases)
        else:
            time.sleep(PACE)
