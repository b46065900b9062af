#!/usr/bin/env bash
# The random-input GUI run, long: builds the program's tests and drives the real windows with a
# seeded stream of user events (offscreen, no display needed).
#
#   ./scripts/random-gui.sh [EVENTS] [SEED]   EVENTS (default 100000) events from SEED (default:
#                                             the time); a failure names the seed to replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
events="${1:-100000}"
seed="${2:-$(date +%s)}"
bash scripts/build.sh >/dev/null
echo "random GUI run: $events events, seed $seed"
KOVOLO_RANDOM_EVENTS="$events" KOVOLO_RANDOM_SEED="$seed" QT_QPA_PLATFORM=offscreen \
  ./build/tests/test_gui_random
