#!/usr/bin/env python3
"""Whether a line of text is drawn in empty boxes: a face that lacks the characters draws the same
box for each, so one shape makes up most of the line, where real characters share at most a
component or two (讠 in 认识, say).

A line is in boxes when there are no ink runs at all (a run: columns with ink between columns
without), or when the commonest run makes up more than a third of them.
"""
import collections
import subprocess


def in_boxes(png, x, y, w, h):
    """Whether the text within rectangle X Y W H of screenshot PNG is drawn in boxes."""
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
    return not runs or 3 * collections.Counter(runs).most_common(1)[0][1] > len(runs)
