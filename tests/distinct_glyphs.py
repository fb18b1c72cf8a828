#!/usr/bin/env python3
"""How many of the glyphs drawn in a line of text differ from one another: a face that lacks the
characters draws the same empty box for each, so a line of different characters that shows few
different shapes is drawn in boxes.

Prints the number of distinct ink runs and the number of runs (a run: columns with ink between
columns without), within rectangle X Y W H of the screenshot.
Usage: distinct_glyphs.py PNG X Y W H
"""
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
print(len(set(runs)), len(runs))
