#!/usr/bin/env python3
"""Whether a line of text is drawn in empty boxes: a face that lacks the characters draws the same
box for each, so one shape makes up most of the line, where real characters share at most a
component or two (讠 in 认识, say).

Prints how often the commonest ink run occurs and the number of runs (a run: columns with ink
between columns without), within rectangle X Y W H of the screenshot.
Usage: boxed_text.py PNG X Y W H
"""
import collections
import subprocess
import sys

png, x, y, w, h = sys.argv[1], *map(int, sys.argv[2:6])
pgm = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace",
                      "Gray", "-depth", "8", "pgm:-"], capture_output=True, check=True).stdout
header = pgm.split(maxsplit=4)  # P5, width, height, maximum, pixels
width, height, pixels = int(header[1]), int(header[2]), header[4]
ink = [[pixels[r * width + c] < 128 for r in range(height)] for c in range(width)]
runs, run = [], []
for column in ink + [[False] * height]:
    if any(column):
        run.append(tuple(column))
    elif run:
        runs.append(tuple(run))
        run = []
print(collections.Counter(runs).most_common(1)[0][1] if runs else 0, len(runs))
