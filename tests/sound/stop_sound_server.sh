#!/usr/bin/env bash
# Stops what start_sound_server.sh started, by the process ids it saved, newest first, and
# removes its runtime folder.
#   stop_sound_server.sh STATE_DIR
set -uo pipefail
state=$(realpath -m "$1")
[ -f "$state/pids" ] || exit 0
pids=$(tac "$state/pids")
for pid in $pids; do kill "$pid" 2>/dev/null; done
for _ in $(seq 40); do
    alive=0
    for pid in $pids; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ $alive = 0 ] && break
    sleep 0.05
done
for pid in $pids; do kill -9 "$pid" 2>/dev/null; done
rm -f "$state/pids"
if [ -f "$state/runtime-dir" ]; then
    rm -rf "$(cat "$state/runtime-dir")"
    rm -f "$state/runtime-dir"
fi
echo "sound server stopped"
