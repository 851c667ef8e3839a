#!/bin/sh
# SPDX-License-Identifier: MIT
# Draws the pictures of tests/golden anew from the example sheets, with the tests that compare
# against them (they write instead when PROBEL_UPDATE_GOLDENS is 1). Look at every changed
# picture before committing it: the tests take whatever is there as right.
#   scripts/update-goldens.sh [BUILD]      (BUILD defaults to build and must be built)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
mkdir -p "$here/../tests/golden"
PROBEL_UPDATE_GOLDENS=1 QT_QPA_PLATFORM=offscreen \
    "$build/tests/test_widgets_app" --gtest_filter='*GoldenPicturesTest*'
git -C "$here/.." status --short tests/golden
