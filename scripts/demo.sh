#!/usr/bin/env bash
# Builds the tool and starts it together with three simulated game servers on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
./scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target vostrel vostrel-simserver
# Three simulated servers on 28960-28962, saved in a settings file of the demo's own (the
# operator's own settings stay as they are).
"$build/tools/vostrel-simserver" --port 28960 --servers 3 --password secret &
server=$!
trap 'kill $server 2>/dev/null' EXIT
demo="$PWD/$build/demo"
mkdir -p "$demo"
if [ ! -f "$demo/vostrel.ini" ]; then
    printf '%s\r\n' '[servers]' server1=127.0.0.1 server2=127.0.0.1 server3=127.0.0.1 \
        '[ports]' port1=28960 port2=28961 port3=28962 '[rcon]' rcon1=secret rcon2=secret \
        rcon3=secret '[names]' 'name1=Demo public' 'name2=Demo match' 'name3=Demo team' \
        '[startup]' connect1=0 connect2=0 connect3=0 >"$demo/vostrel.ini"
    chmod 600 "$demo/vostrel.ini"
fi
"$build/src/vostrel" --config "$demo/vostrel.ini"
