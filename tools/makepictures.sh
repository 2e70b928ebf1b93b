#!/usr/bin/env bash
# Remakes the program's pictures with tools/makepictures.
#   tools/makepictures.sh                  draws the pictures into data/Images and data/opening,
#                                          each at 1x and at 2x (next.jpg and next@2x.jpg)
#   tools/makepictures.sh --scale N DIR    draws them at N times the density into DIR/Images,
#                                          DIR/opening (names with @Nx unless N is 1)
# The tool is built in a scratch folder (MAKEPICTURES_BUILD, default under /tmp).
set -euo pipefail

tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$tools")
build=${MAKEPICTURES_BUILD:-${TMPDIR:-/tmp}/chalkface-makepictures}

cmake -S "$tools/makepictures" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target makepictures -j2 >/dev/null

if [ $# -eq 0 ]; then
    "$build/makepictures" "$root/data"
    exec "$build/makepictures" --scale 2 "$root/data"
fi
exec "$build/makepictures" "$@"
