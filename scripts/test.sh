#!/usr/bin/env bash
# Builds everything and runs every test (GUI tests on Qt's offscreen platform: no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
