#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Whole-process figures of probel-cli's commands that never draw, each against the floor of
its work run in turns with it in the same run: CPU time (user + sys) and peak memory of each
process, the median of RUNS runs, and the median of the ratios pair by pair.

    bench/compare-with-floor.py [BUILD] [RUNS]

BUILD (default build) holds probel-cli and the floors bench/floor_pbl_numbers (reads a
document's numbers with from_chars and writes them back with to_chars) and bench/floor_stats
(strtod a line, the count, mean, sigma, smallest and largest value). The data are those of
compare-with-gnuplot.py: a document of 4 graphs x 5 series x 30 000 values, lists of 30 and
10^6 values. dump is compared per byte written, its JSON being about four times the document.
A peak is at least what the forked Python process held before it started the program (some
14 MiB here), so the small runs all show that; stats --json also works out the logarithms and
the normality test, which the floor does not."""

import os
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build"))
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 9
CLI = os.path.join(BUILD, "src", "cli", "probel-cli")
FLOOR_PBL = os.path.join(BUILD, "bench", "floor_pbl_numbers")
FLOOR_STATS = os.path.join(BUILD, "bench", "floor_stats")


def run_once(command, output):
    """CPU seconds and peak MiB of one run of the command (a list of words), its standard
    output to the file `output`."""
    with open(output, "wb") as out, open(os.devnull, "wb") as null:
        process = subprocess.Popen(command, stdout=out, stderr=null)
        _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit(f"{' '.join(command)} failed ({status})")
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def compare(label, command, floor, written=None):
    """Both commands in turns, RUNS times each after one of each not counted; with `written`
    (the files each writes) the ratio is of the CPU time per byte written."""
    mine, theirs = [], []
    run_once(command, "a.out")
    run_once(floor, "b.out")
    for _ in range(RUNS):
        mine.append(run_once(command, "a.out"))
        theirs.append(run_once(floor, "b.out"))
    scale = 1.0
    if written:
        scale = os.path.getsize(written[1]) / os.path.getsize(written[0])
    ratios = sorted(a[0] / b[0] * scale for a, b in zip(mine, theirs))
    print(f"{label:36} {statistics.median(t for t, _ in mine):7.3f} s {max(m for _, m in mine):6.1f} MiB | "
          f"floor {statistics.median(t for t, _ in theirs):7.3f} s {max(m for _, m in theirs):6.1f} MiB | "
          f"ratio {statistics.median(ratios):.2f} ({ratios[0]:.2f} ... {ratios[-1]:.2f})")


# Runs compare-with-gnuplot.py's make_data with this probel-cli.
MAKE_DATA = """
import importlib.util, sys
path, cli, work = sys.argv[1:]
sys.argv = ["compare-with-gnuplot.py"]
spec = importlib.util.spec_from_file_location("peer", path)
peer = importlib.util.module_from_spec(spec)
spec.loader.exec_module(peer)
peer.CLI = cli
peer.make_data(work)
"""


def main():
    with tempfile.TemporaryDirectory() as work:
        os.chdir(work)
        # In a process of its own: a child forked from a process holding the data would
        # count that memory as its own peak.
        subprocess.run([sys.executable, "-c", MAKE_DATA, os.path.join(HERE, "compare-with-gnuplot.py"), CLI, work],
                       check=True)
        compare("convert 4 x 5 x 30 000 values", [CLI, "convert", "four.pbl", "c.pbl"],
                [FLOOR_PBL, "four.pbl", "f.pbl"])
        compare("dump 4 x 5 x 30 000, per byte", [CLI, "dump", "four.pbl"], [FLOOR_PBL, "four.pbl", "f.pbl"],
                written=("a.out", "f.pbl"))
        compare("stats 10^6 values", [CLI, "stats", "n1000000.txt"], [FLOOR_STATS, "n1000000.txt"])
        compare("stats 10^6 values --json", [CLI, "stats", "--json", "n1000000.txt"], [FLOOR_STATS, "n1000000.txt"])
        compare("stats 30 values", [CLI, "stats", "n30.txt"], [FLOOR_STATS, "n30.txt"])


if __name__ == "__main__":
    main()
