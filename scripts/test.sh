#!/usr/bin/env bash
# Builds everything and runs the whole test suite (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
./scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
