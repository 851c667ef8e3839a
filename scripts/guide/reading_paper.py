#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The guide's picture of how to read probability paper.

    reading_paper.py PROBEL_CLI DATA_DIR WORK_DIR OUT.png

Draws four sheets with probel-cli plot (normal, skewed, two populations, rounded values, from
the tables in DATA_DIR), and marks on the normal one where the mean, σ and the share between
the limits are read off. The marks are computed with the paper's own mapping from the graph's
frame (probel-cli dump) and the statistics (probel-cli stats --json), so they fall exactly on
what probel-cli draws.
"""

import json
import subprocess
import sys
from pathlib import Path
from statistics import NormalDist

# The quantile at the paper's ends: every height is divided by it (the program's table entry 1).
SCALE_END = 3.71947
AXIS_MIN, AXIS_MAX = 40.0, 60.0
LOWER, UPPER = 45.0, 55.0
FONT = "IPAPGothic"
MARK = "#1f5fbf"
LIMIT = "#c00000"

PANELS = [
    ("normal", "(a) 正規分布: 点が直線に並ぶ"),
    ("skewed", "(b) 右に裾を引く分布: 弓なりに曲がる"),
    ("two-populations", "(c) 二つの母集団: S 字、中ほどで寝る"),
    ("rounded", "(d) 丸めた値: 同じ値が縦に並ぶ階段"),
]


def run(*args, stdin=None):
    return subprocess.run(args, check=True, capture_output=True, text=True, input=stdin).stdout


class Paper:
    """The pixel of a value and a cumulative percentage on one graph of a rendered sheet."""

    def __init__(self, graph):
        self.left, self.top = graph["FrameLeft"], graph["FrameTop"]
        self.width, self.height = graph["FrameWidth"], graph["FrameHeight"]

    def x(self, value):
        return self.left + (value - AXIS_MIN) * self.width / (AXIS_MAX - AXIS_MIN)

    def y(self, percent):
        z = NormalDist().inv_cdf(percent / 100)
        return self.top + self.height / 2 - self.height / 2 * z / SCALE_END

    @property
    def bottom(self):
        return self.top + self.height


def line(x1, y1, x2, y2):
    return f"line {x1:.0f},{y1:.0f} {x2:.0f},{y2:.0f}"


def text(x, y, words, colour, size=13):
    return ["-fill", colour, "-stroke", "none", "-pointsize", str(size), "-annotate", f"+{x:.0f}+{y:.0f}", words]


def annotate_normal(picture, sheet, values, cli):
    paper = Paper(json.loads(run(cli, "dump", str(sheet)))["graphs"][0])
    stats = json.loads(run(cli, "stats", "--json", "--lower", str(LOWER), "--upper", str(UPPER), stdin=values))
    mean, sigma = stats["mean"], stats["sigma"]
    # Where the fitted line meets the limits: the percentages whose difference is Probel.
    below = 100 * NormalDist(mean, sigma).cdf(LOWER)
    under_upper = 100 * NormalDist(mean, sigma).cdf(UPPER)

    draw = ["-font", FONT, "-fill", "none", "-strokewidth", "2"]
    for limit, name in ((LOWER, "下限"), (UPPER, "上限")):
        x = paper.x(limit)
        draw += ["-stroke", LIMIT, "-draw", line(x, paper.top, x, paper.bottom)]
        draw += text(x + 4, paper.bottom - 8, f"{name} {limit:g}", LIMIT)
    for limit, percent in ((LOWER, below), (UPPER, under_upper)):
        x, y = paper.x(limit), paper.y(percent)
        draw += ["-stroke", LIMIT, "-strokewidth", "1", "-draw", f"stroke-dasharray 4 3 {line(paper.left, y, x, y)}"]
        draw += ["-strokewidth", "2", "-draw", f"circle {x:.0f},{y:.0f} {x + 4:.0f},{y:.0f}"]
        draw += text(paper.left + 4, y - 4, f"{percent:.2f} %", LIMIT)
    for value, percent, name, shift in ((mean, 50.0, "平均", -34), (mean + sigma, 84.13, "平均 + σ", 4)):
        x, y = paper.x(value), paper.y(percent)
        dashes = "stroke-dasharray 6 3 "
        draw += ["-stroke", MARK, "-strokewidth", "2", "-draw", dashes + line(paper.left, y, x, y)]
        draw += ["-draw", dashes + line(x, y, x, paper.bottom)]
        draw += text(paper.left + 4, y - 4, f"{percent:g} %", MARK)
        draw += text(x + shift, paper.bottom - 28, name, MARK)

    # The readings, in the margin under the detail label.
    notes = [
        (MARK, f"平均 ≈ {mean:.2f} mm"),
        (MARK, f"σ ≈ {mean + sigma:.2f} − {mean:.2f}"),
        (MARK, f"\u3000= {sigma:.2f} mm"),
        (LIMIT, f"Probel ≈ {under_upper:.2f} − {below:.2f}"),
        (LIMIT, f"\u3000= {stats['probel']:.1f} %"),
        (LIMIT, f"Cp = ({UPPER:g} − {LOWER:g}) / 6σ ≈ {stats['cp']:.2f}"),
    ]
    box_x, box_y = paper.left + paper.width + 8, paper.top + 110
    draw += ["-stroke", "#888888", "-strokewidth", "1", "-fill", "white"]
    draw += ["-draw", f"rectangle {box_x},{box_y} {box_x + 168},{box_y + 10 + 18 * len(notes)}"]
    for row, (colour, words) in enumerate(notes):
        draw += text(box_x + 6, box_y + 20 + 18 * row, words, colour, size=12)
    run("convert", str(picture), *draw, str(picture))


def main():
    cli, data, work, out = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3]), sys.argv[4]
    work.mkdir(parents=True, exist_ok=True)
    pictures = []
    for name, title in PANELS:
        table, sheet, picture = data / f"{name}.csv", work / f"{name}.pbl", work / f"{name}.png"
        run(cli, "plot", "--labels", "--min", str(AXIS_MIN), "--max", str(AXIS_MAX), "--paper", "210148",
            "--unit", "mm", "--title", title, "-o", str(sheet), str(table))
        run(cli, "render", str(sheet), "-o", str(picture))
        if name == "normal":
            values = "\n".join(table.read_text(encoding="utf-8").splitlines()[1:]) + "\n"
            annotate_normal(picture, sheet, values, cli)
        pictures.append(str(picture))
    run("montage", *pictures, "-tile", "2x2", "-geometry", "+0+0", "-background", "#888888", "-border", "1",
        "-bordercolor", "#888888", out)


if __name__ == "__main__":
    main()
