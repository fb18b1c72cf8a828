"""The core as the model a window harness asks (the window_oracle program): what the window
shows after each action of a journey, as tests/journeys.txt writes them. Its draws are its own,
so what depends on the character drawn is compared without it."""
import json
import re
import subprocess


class Oracle:
    def __init__(self, program, keyboard):
        self.process = subprocess.Popen([program, keyboard], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, encoding="utf-8")

    def take(self, action):
        """The window after one action (a name or a key, not repeated)."""
        self.process.stdin.write(action + "\n")
        self.process.stdin.flush()
        return json.loads(self.process.stdout.readline())

    def close(self):
        self.process.stdin.close()
        self.process.wait()


def steps(actions):
    """A journey's actions one at a time, "提交×3" three times."""
    for action in actions.split():
        name, _, times = action.partition("×")
        yield from [name] * int(times or 1)


def undrawn(text):
    """A look-up's address or an announcement without the character drawn: the dictionary's
    query and the character that ends an announcement."""
    return re.sub(r"wd=[^&]*", "wd=…", re.sub(r"(个字：?) \S$", r"\1 …", text))


def said(program, keyboard, actions):
    """What the window hands over and has screen readers say over a journey, undrawn, and the
    prompt it shows at the end."""
    oracle = Oracle(program, keyboard)
    addresses, announcements, shown = [], [], {"prompt": "第1个字："}
    for action in steps(actions):
        shown = oracle.take(action)
        addresses += [undrawn(shown["address"])] if shown["address"] else []
        announcements += [undrawn(shown["announcement"])] if shown["announcement"] else []
    oracle.close()
    return addresses, announcements, shown["prompt"]
