#!/bin/sh
# Runs every benchmark built in the given build directory.
set -eu
build="${1:-build}"
for bench in "$build"/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_min_time=0.2
done
