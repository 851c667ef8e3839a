#!/bin/sh
# SPDX-License-Identifier: MIT
# Fuzzes the .pbl document readers for SECONDS seconds (default 60) with libFuzzer, ASan and
# UBSan, in a build directory of its own (BUILD_DIR, default build-fuzz in the source folder).
# Seeds: the sample sheets in examples/ and the test documents; new inputs go to the corpus
# directory in the build dir, crashes to its artifacts directory.
set -eu

seconds=${1:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$source_dir/build-fuzz}
jobs=${JOBS:-2}

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPROBEL_FUZZ=ON -DPROBEL_WITH_QT=OFF -DPROBEL_WITH_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target fuzz_sheet_reader -j"$jobs"

corpus=$build_dir/fuzz-corpus/sheet_reader
seeds=$build_dir/fuzz-seeds/sheet_reader
artifacts=$build_dir/fuzz-artifacts/
mkdir -p "$corpus" "$seeds" "$artifacts"
for seed in "$source_dir"/examples/*.pbl "$source_dir"/tests/core/document/data/*.pbl; do
    [ -f "$seed" ] && cp "$seed" "$seeds/"
done

exec "$build_dir/tests/fuzz/fuzz_sheet_reader" -max_total_time="$seconds" -max_len=65536 \
    -dict="$source_dir/tests/fuzz/sheet_reader.dict" -artifact_prefix="$artifacts" -print_final_stats=1 \
    "$corpus" "$seeds"
