#!/usr/bin/env bash
# A session with the virtual panel from other processes: start it, ask for the firmware version,
# stop it with Ctrl+C and expect a clean exit.
set -euo pipefail
sim=$1
send=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$sim" --help | grep -q -- '--hang-up-after'

"$sim" --link "$work/panel" >"$work/out" 2>"$work/err" &
pid=$!
for _ in $(seq 50); do [ -s "$work/out" ] && break; sleep 0.1; done
device=$(head -n 1 "$work/out")
[ -e "$work/panel" ] || { echo "no link made"; exit 1; }

reply=$("$send" "$work/panel" "+v" | tr -d '\r')
echo "$reply"
[ "$reply" = $'>VER 03.07 ORVANTA GSM\nOK' ] || { echo "unexpected reply from $device"; exit 1; }

kill -INT "$pid"
wait "$pid"
[ ! -e "$work/panel" ] || { echo "link left behind"; exit 1; }
echo "session on $device ended cleanly"

# A fault switch its help names is taken: --refuse with --only refuses that command alone.
"$sim" --link "$work/refusing" --refuse --only +Q >"$work/out2" 2>"$work/err2" &
pid=$!
for _ in $(seq 50); do [ -e "$work/refusing" ] && break; sleep 0.1; done
refused=$("$send" "$work/refusing" "+Q" | tr -d '\r')
answered=$("$send" "$work/refusing" "+v" | tr -d '\r')
kill -INT "$pid"
wait "$pid" || true
[ "$refused" = "ERROR" ] || { echo "--refuse not taken: $refused $(cat "$work/err2")"; exit 1; }
[ "$answered" = $'>VER 03.07 ORVANTA GSM\nOK' ] || { echo "--only not kept: $answered"; exit 1; }
