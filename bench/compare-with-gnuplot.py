#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Whole-process figures of probel-cli at the sizes that matter, each against a peer run in
turns with it in the same run (Debian's gnuplot, or probel-cli's own PNG of the same data):
CPU time (user + sys) and peak memory of each process, the median of RUNS runs.

    bench/compare-with-gnuplot.py [PROBEL_CLI] [RUNS]

Needs gnuplot (apt-get install gnuplot-nox)."""

import os
import random
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CLI = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 and sys.argv[1] != "--make-data" else os.path.join(HERE, "..", "build", "src", "cli", "probel-cli"))
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[1] != "--make-data" else 9
PEER = os.path.join(HERE, "probability-plot.gp")


def run_once(command):
    """CPU seconds and peak MiB of one run of the command (a list of words)."""
    with open(os.devnull, "wb") as null:
        process = subprocess.Popen(command, stdout=null, stderr=null)
        _, _, usage = os.wait4(process.pid, 0)
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def compare(label, command, peer):
    """Both commands in turns, RUNS times each; medians and the ratio of the CPU times."""
    mine, theirs = [], []
    run_once(command)
    run_once(peer)
    for _ in range(RUNS):
        mine.append(run_once(command))
        theirs.append(run_once(peer))
    cpu = statistics.median(t for t, _ in mine)
    peer_cpu = statistics.median(t for t, _ in theirs)
    ratios = sorted(a[0] / b[0] for a, b in zip(mine, theirs))
    print(f"{label:38} {cpu:7.3f} s {max(m for _, m in mine):6.1f} MiB | peer {peer_cpu:7.3f} s "
          f"{max(m for _, m in theirs):6.1f} MiB | ratio {statistics.median(ratios):.2f} "
          f"({ratios[0]:.2f} ... {ratios[-1]:.2f})")


def measure(label, command, output):
    runs = [run_once(command) for _ in range(RUNS)]
    size = os.path.getsize(output) / 1048576
    peak = max(m for _, m in runs)
    print(f"{label:38} {statistics.median(t for t, _ in runs):7.3f} s {peak:6.1f} MiB peak for "
          f"{size:.1f} MiB of output ({peak / size:.2f} x)")


def make_data(work):
    """N(50, 10) values, the same on every run, and a sheet of four graphs of five series of
    30 000 values (a five-column table plotted, its graph record repeated in a 2 x 2 layout)."""
    random.seed(20240607)
    for n in (30, 1000000):
        with open(os.path.join(work, f"n{n}.txt"), "w") as f:
            f.write("".join(f"{random.gauss(50, 10):.4f}\n" for _ in range(n)))
    with open(os.path.join(work, "table.csv"), "w") as f:
        f.write("A,B,C,D,E\n")
        for _ in range(30000):
            f.write(",".join(f"{random.gauss(50, 10):.4f}" for _ in range(5)) + "\n")
    subprocess.run([CLI, "plot", "-o", "one.pbl", "table.csv"], check=True, cwd=work)
    lines = open(os.path.join(work, "one.pbl"), "rb").read().split(b"\r\n")[:-1]
    # Header: version, graph count, series counts, text label count, paper; the graph record's
    # fields 3 to 6 are its width, height, left and top in twips; the last field counts text labels.
    version, _, series, labels, paper = lines[:5]
    body, tail = lines[5:-1], lines[-1]
    out = [version, b"4"] + [series] * 4 + [labels, paper]
    for g in range(4):
        record = list(body)
        record[2:6] = [b"5000", b"7000", str(800 + 5600 * (g % 2)).encode(), str(800 + 8000 * (g // 2)).encode()]
        out += record
    out.append(tail)
    open(os.path.join(work, "four.pbl"), "wb").write(b"\r\n".join(out) + b"\r\n")


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--make-data":
        make_data(sys.argv[2])
        return
    with tempfile.TemporaryDirectory() as work:
        os.chdir(work)
        # In a process of its own: a child forked from a process holding the data would
        # count that memory as its own peak.
        subprocess.run([sys.executable, __file__, "--make-data", work], check=True)
        compare("plot 30 values PNG / gnuplot pngcairo", [CLI, "plot", "-o", "p.png", "n30.txt"],
                ["gnuplot", "-c", PEER, "n30.txt", "g.png", "png"])
        compare("plot 30 values SVG / gnuplot svg", [CLI, "plot", "-o", "p.svg", "n30.txt"],
                ["gnuplot", "-c", PEER, "n30.txt", "g.svg", "svg"])
        compare("plot 10^6 values PDF / its PNG", [CLI, "plot", "-o", "p.pdf", "n1000000.txt"],
                [CLI, "plot", "-o", "p.png", "n1000000.txt"])
        compare("plot 10^6 values SVG / its PNG", [CLI, "plot", "-o", "p.svg", "n1000000.txt"],
                [CLI, "plot", "-o", "p.png", "n1000000.txt"])
        measure("plot 10^6 values SVG", [CLI, "plot", "-o", "p.svg", "n1000000.txt"], "p.svg")
        print(f"{'':38} {os.path.getsize('p.svg') / 1e6:.1f} bytes a marker")
        measure("render 4 x 5 x 30 000 values SVG", [CLI, "render", "four.pbl", "-o", "r.svg"], "r.svg")


if __name__ == "__main__":
    main()
