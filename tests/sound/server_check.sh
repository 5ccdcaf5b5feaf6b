#!/usr/bin/env bash
# The private sound server from a deep checkout (a state folder whose path is over 100
# characters) comes up and stops, leaving nothing behind; a start that fails stops what it had
# started.
#   server_check.sh SCRATCH_DIR
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
scratch=$(realpath -m "$1")
rm -rf "$scratch"
deep="$scratch/a-checkout-in-a-folder-with-a-long-name/and-deeper-still/build-release/sound-server"
[ ${#deep} -gt 100 ] || deep="$deep/$(printf 'x%.0s' $(seq $((101 - ${#deep}))))"

# Processes still running with the given runtime folder, by their environment.
running_in() { grep -a -l "XDG_RUNTIME_DIR=$1" /proc/[0-9]*/environ 2>/dev/null || true; }

"$scripts/start_sound_server.sh" "$deep" >/dev/null
runtime=$(cat "$deep/runtime-dir")
(source "$deep/env" && pactl info >/dev/null)
"$scripts/stop_sound_server.sh" "$deep" >/dev/null
[ -z "$(running_in "$runtime")" ] || { echo "left running: $(running_in "$runtime")" >&2; exit 1; }
[ ! -e "$runtime" ] || { echo "left behind: $runtime" >&2; exit 1; }

# A session manager that never comes up: the start fails, and what it started is stopped.
mkdir -p "$scratch/bin"
printf '#!/bin/sh\nexit 1\n' >"$scratch/bin/wireplumber"
chmod +x "$scratch/bin/wireplumber"
failing=$(mktemp -d /tmp/orvanta-sound-check.XXXXXX)
if PATH="$scratch/bin:$PATH" "$scripts/start_sound_server.sh" "$scratch/failing" "$failing" \
    >/dev/null 2>&1; then
    echo "a start without its session manager succeeded" >&2
    exit 1
fi
[ -z "$(running_in "$failing")" ] ||
    { echo "left running after a failed start: $(running_in "$failing")" >&2; exit 1; }
rm -rf "$scratch"
echo "sound server starts from a deep checkout and cleans up after a failed start"
