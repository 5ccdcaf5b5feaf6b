#!/usr/bin/env bash
# However the demo's tool ends, the virtual panel ends with it; and the demo leaves the user's
# home folder as it was (it keeps every file under the build's demo folder).
#   demo_ends_panel.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
repo=$(cd "$(dirname "$0")/../.." && pwd)
demo="$build/demo"
rm -rf "$demo"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

HOME="$home" QT_QPA_PLATFORM=offscreen ORVANTA_BUILD_DIR="$build" \
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME \
    "$repo/run" demo >/dev/null 2>&1 &
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
if [ -n "$(find "$home" -mindepth 1 -print -quit)" ]; then
    echo "the demo wrote into the home folder:"
    find "$home" -mindepth 1
    exit 1
fi
echo "the home folder is as it was"
