#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all: questions per second from every generator,
# start-up against a bare Qt window, and screen changes. The build goes to build-bench/, or to
# the folder given.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-bench}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" --target generators_bench startup_bench screenchange_bench
cd "$build/bin"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
./generators_bench --benchmark_min_time=0.5
./startup_bench --rounds 21
./screenchange_bench --samples 100
