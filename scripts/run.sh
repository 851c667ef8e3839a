#!/bin/sh
# What `make run` starts: the program with a sample sheet. On a machine without a display
# ($DISPLAY and $WAYLAND_DISPLAY both empty) the sample is drawn with probel-cli instead.
set -eu
build="${1:-build}"
sheet="examples/sample-sheet.pbl"
program="$build/src/app/probel"
cli="$build/src/cli/probel-cli"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "probel $sheet"
    exec "$program" "$sheet"
fi

echo "No display (\$DISPLAY and \$WAYLAND_DISPLAY are empty): the window cannot open here."
picture="$build/sample-sheet.png"
echo "probel-cli render $sheet -o $picture"
"$cli" render "$sheet" -o "$picture"
echo "The sample sheet is drawn in $picture."
