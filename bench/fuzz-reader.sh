#!/bin/sh
# SPDX-License-Identifier: MIT
# Fuzzes a reader for SECONDS seconds (default 60) with libFuzzer, ASan and UBSan, in a build
# directory of its own (BUILD_DIR, default build-fuzz in the source folder):
#   bench/fuzz-reader.sh [SECONDS] [TARGET]
# TARGET is sheet_reader (the .pbl document readers, the default) or value_input (what stats
# and plot read: one number a line, tables of numbers). Seeds: for sheet_reader the sample
# sheets in examples/ and the test documents, for value_input the tables and value lists in
# examples/. New inputs go to the corpus directory in the build dir, crashes to its artifacts
# directory.
set -eu

seconds=${1:-60}
target=${2:-sheet_reader}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$source_dir/build-fuzz}
jobs=${JOBS:-2}

case $target in
sheet_reader) seed_files="$source_dir/examples/*.pbl $source_dir/tests/core/document/data/*.pbl" ;;
value_input) seed_files="$source_dir/examples/data/*.csv $source_dir/examples/*.txt" ;;
*)
    echo "unknown fuzz target: $target (sheet_reader or value_input)" >&2
    exit 2
    ;;
esac

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPROBEL_FUZZ=ON -DPROBEL_WITH_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target "fuzz_$target" -j"$jobs"

corpus=$build_dir/fuzz-corpus/$target
seeds=$build_dir/fuzz-seeds/$target
artifacts=$build_dir/fuzz-artifacts/
mkdir -p "$corpus" "$seeds" "$artifacts"
for seed in $seed_files; do
    [ -f "$seed" ] && cp "$seed" "$seeds/"
done

exec "$build_dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 \
    -dict="$source_dir/tests/fuzz/$target.dict" -artifact_prefix="$artifacts" -print_final_stats=1 \
    "$corpus" "$seeds"
