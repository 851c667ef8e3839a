#!/bin/sh
# What `make run` starts: for now the command-line tool on a sample series.
set -eu
build="${1:-build}"
sample="examples/sample-values.txt"
echo "probel-cli stats --lower 9.8 --upper 10.4 $sample"
"$build/src/cli/probel-cli" stats --lower 9.8 --upper 10.4 "$sample"
