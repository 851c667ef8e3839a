#!/bin/sh
# Runs every benchmark built in the given build directory: the programs themselves, not the
# folders CMake makes beside them (bench_*_autogen, which pass a test for "executable" too).
set -eu
build="${1:-build}"
for bench in "$build"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$bench" --benchmark_min_time=0.2
done
