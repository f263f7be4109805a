#!/usr/bin/env bash
# Builds the tool and starts it together with the simulated game server on 127.0.0.1:28960.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
./scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target vostrel vostrel-simserver
"$build/tools/vostrel-simserver" --port 28960 --password secret &
server=$!
trap 'kill $server 2>/dev/null' EXIT
"$build/src/vostrel"
