#!/usr/bin/env bash
# Figures of the search engine on the lab's network (needs root; not a
# test): search-to-registry time per protocol, and a burst of 200 simulated
# devices answering one search. Builds the benchmark first when it is missing.
#   bench/lab-bench.sh [SEARCHES_PER_PROTOCOL]   (default 50)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SCOUTREL_BUILD_DIR:-build}
if [ ! -x "$build/bin/bench_lab" ] || [ ! -x "$build/bin/scoutrel-devsim" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target bench_lab scoutrel-devsim
fi
export SCOUTREL_BINARY_DIR=$PWD/$build
# Two device namespaces of 200 addresses each: the first simulates one
# device (on its first address), the second 200 devices.
exec tests/lab/netlab.sh --devices 2 --addresses 200 --in-computer --timeout 600 -- \
    "$PWD/$build/bin/bench_lab" "$@"
