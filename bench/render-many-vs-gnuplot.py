#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""probel-cli render of many documents in one run against one gnuplot process drawing the same
plots from one script, run in turns in the same run: the time each whole process takes to the
end (wall) and the CPU time it uses (user + sys, all threads), the medians of RUNS runs, and
the ratios per document. render compresses pictures on as many threads as there are cores;
gnuplot uses one.

    bench/render-many-vs-gnuplot.py [PROBEL_CLI] [RUNS] [DOCUMENTS]

Each document is an A4 sheet of 2 graphs of 2 series of 50 values; gnuplot draws each as a PNG
of the same size (pngcairo) with two normal probability plots of two series, ranks from a
cumulative count and heights from invnorm, as bench/probability-plot.gp does for one.
Needs gnuplot (apt-get install gnuplot-nox)."""

import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
CLI = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "src", "cli", "probel-cli"))
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
DOCUMENTS = int(sys.argv[3]) if len(sys.argv) > 3 else 200
VALUES = 50


def seconds(command, cwd):
    """Wall and CPU seconds of one run."""
    with open(os.devnull, "wb") as null:
        start = time.monotonic()
        process = subprocess.Popen(command, stdout=null, stderr=subprocess.PIPE, cwd=cwd)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.monotonic() - start
    if status != 0:
        raise SystemExit(f"{command[0]} failed: {process.stderr.read().decode(errors='replace')}")
    return wall, usage.ru_utime + usage.ru_stime


def make_documents(work):
    """DOCUMENTS tables of two columns, plotted into one-graph documents in one run, each graph
    record then doubled into an upper and a lower graph."""
    random.seed(20261207)
    tables = []
    for k in range(DOCUMENTS):
        name = os.path.join(work, "tables", f"d{k:03}.csv")
        rows = [f"{random.gauss(50, 10):.3f},{random.gauss(55, 8):.3f}" for _ in range(VALUES)]
        with open(name, "w") as f:
            f.write("A,B\n" + "\n".join(rows) + "\n")
        tables.append(name)
    subprocess.run([CLI, "plot", "--output-dir", "one", "--output-format", "pbl"] + tables, check=True, cwd=work)
    os.makedirs(os.path.join(work, "sheets"))
    for k in range(DOCUMENTS):
        lines = open(os.path.join(work, "one", f"d{k:03}.pbl"), "rb").read().split(b"\r\n")[:-1]
        # Header: version, graph count, series counts, text label count, paper; the graph
        # record's fields 3 to 6 are its width, height, left and top in twips.
        version, _, series, labels, paper = lines[:5]
        body, tail = lines[5:-1], lines[-1]
        out = [version, b"2", series, series, labels, paper]
        for g in range(2):
            record = list(body)
            record[2:6] = [b"9000", b"6500", b"1200", str(1200 + 7500 * g).encode()]
            out += record
        out.append(tail)
        open(os.path.join(work, "sheets", f"d{k:03}.pbl"), "wb").write(b"\r\n".join(out) + b"\r\n")


def gnuplot_script(work):
    """One script for every document: a PNG of two probability plots of two series each."""
    lines = ['set terminal pngcairo size 794,1123 font "IPAPGothic,9"', "set grid", "set key off",
             'set ytics ("0.1" invnorm(0.001), "1" invnorm(0.01), "10" invnorm(0.1), "50" 0, '
             '"90" invnorm(0.9), "99" invnorm(0.99), "99.9" invnorm(0.999))',
             "set yrange [invnorm(0.0001):invnorm(0.9999)]", f"N = {VALUES}"]
    for k in range(DOCUMENTS):
        data = f"tables/d{k:03}.csv"
        lines += [f'set output "pictures-gnuplot/d{k:03}.png"', "set multiplot layout 2,1"]
        for graph in range(2):
            lines += ["set datafile separator ','", f"set table $a{graph}",
                      f'plot "{data}" skip 1 using 1:(1.0) smooth cumulative', "unset table",
                      f"set table $b{graph}", f'plot "{data}" skip 1 using 2:(1.0) smooth cumulative',
                      "unset table", "set datafile separator whitespace",
                      f"set title 'Graph {graph + 1}'",
                      f"plot $a{graph} using 1:(invnorm($2/(N+1))) with points pt 6 ps 0.6, "
                      f"$b{graph} using 1:(invnorm($2/(N+1))) with points pt 4 ps 0.6"]
        lines.append("unset multiplot")
    with open(os.path.join(work, "all.gp"), "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    with tempfile.TemporaryDirectory() as work:
        os.makedirs(os.path.join(work, "tables"))
        os.makedirs(os.path.join(work, "pictures-gnuplot"))
        make_documents(work)
        gnuplot_script(work)
        sheets = sorted(os.path.join("sheets", name) for name in os.listdir(os.path.join(work, "sheets")))
        mine = [CLI, "render", "--output-dir", "pictures", "--format", "png"] + sheets
        peer = ["gnuplot", "all.gp"]
        seconds(mine, work)
        seconds(peer, work)
        ours, theirs = [], []
        for _ in range(RUNS):
            ours.append(seconds(mine, work))
            theirs.append(seconds(peer, work))
        for kind, index in (("wall", 0), ("CPU", 1)):
            mine_ms = statistics.median(run[index] for run in ours) / DOCUMENTS * 1000
            peer_ms = statistics.median(run[index] for run in theirs) / DOCUMENTS * 1000
            ratios = sorted(a[index] / b[index] for a, b in zip(ours, theirs))
            print(f"{DOCUMENTS} documents to PNG, {kind:4}: render {mine_ms:6.2f} ms a document, gnuplot "
                  f"{peer_ms:6.2f} ms | ratio {statistics.median(ratios):.2f} ({ratios[0]:.2f} ... {ratios[-1]:.2f})")


if __name__ == "__main__":
    main()
