#!/usr/bin/env bash
# However the demo's tool ends, the virtual panel ends with it.
#   demo_ends_panel.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
repo=$(cd "$(dirname "$0")/../.." && pwd)
demo="$build/demo"
rm -rf "$demo"

QT_QPA_PLATFORM=offscreen ORVANTA_BUILD_DIR="$build" "$repo/run" demo >/dev/null 2>&1 &
runner=$!
for _ in $(seq 100); do
    tool=$(pgrep -n -f "^$demo/bin/orvanta-config" || true)
    [ -n "$tool" ] && break
    sleep 0.1
done
[ -n "$tool" ] || { echo "the demo's tool did not start"; exit 1; }
pgrep -f -- "--link $demo/panel" >/dev/null || { echo "no virtual panel"; exit 1; }

kill -TERM "$tool"
wait "$runner" || true
sleep 0.2
if pgrep -f -- "--link $demo/panel" >/dev/null; then
    echo "the virtual panel outlived the demo"
    pkill -f -- "--link $demo/panel"
    exit 1
fi
echo "the virtual panel ended with the demo"
