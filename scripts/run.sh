#!/usr/bin/env bash
# Installs what is missing, builds, and starts Chalkface on its title screen.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build/bin"
exec ./chalkface "$@"
