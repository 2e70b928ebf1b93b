#!/usr/bin/env bash
# Remakes the program's pictures with tools/makepictures.
#   tools/makepictures.sh                  draws the 1x pictures into data/Images and data/opening
#   tools/makepictures.sh --scale 2 DIR    draws them at twice the size into DIR/Images, DIR/opening
# The tool is built in a scratch folder (MAKEPICTURES_BUILD, default under /tmp).
set -euo pipefail

tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$tools")
build=${MAKEPICTURES_BUILD:-${TMPDIR:-/tmp}/chalkface-makepictures}

cmake -S "$tools/makepictures" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target makepictures -j2 >/dev/null

if [ $# -eq 0 ]; then
    set -- "$root/data"
fi
"$build/makepictures" "$@"
