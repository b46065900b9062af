#!/usr/bin/env bash
# Builds everything and runs every test (GUI tests on Qt's offscreen platform: no display needed):
# the normal build, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# short run of every fuzz target from its kept corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
bash scripts/sanitize.sh
bash scripts/fuzz.sh --smoke
# A short run of the start-up benchmark: it reports figures; noise never fails the build.
QT_QPA_PLATFORM=offscreen ./build/bench/bench_startup --runs 3 --calc-runs 1000 ||
    echo "bench_startup did not finish (not a test failure)"
