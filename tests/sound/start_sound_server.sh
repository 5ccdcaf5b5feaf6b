#!/usr/bin/env bash
# Brings up a private, headless sound server for the tests: PipeWire with its session manager
# and its PulseAudio service, in a runtime folder of its own, with a null output "orvanta_out"
# and an input "orvanta_in" that hears what the output plays. No display and no sound hardware
# are needed. The ids of what it starts are kept in STATE_DIR/pids for stop_sound_server.sh;
# STATE_DIR/env holds the variables a client needs.
#
# The runtime folder (sockets) is short, under /tmp: a Unix socket path may not pass 108 bytes,
# which a folder inside a deep checkout soon does. RUNTIME_DIR names it, else a new one is made;
# it is kept in STATE_DIR/runtime-dir and removed when the server stops. A start that fails stops
# what it started.
#   start_sound_server.sh STATE_DIR [RUNTIME_DIR]
set -euo pipefail
state=$(realpath -m "$1")
scripts=$(dirname "$0")

# A server left by an interrupted run is stopped first, by the ids it saved.
"$scripts/stop_sound_server.sh" "$state" >/dev/null 2>&1 || true
rm -rf "$state"
mkdir -p "$state"
runtime=${2:-$(mktemp -d /tmp/orvanta-sound.XXXXXX)}
rm -rf "$runtime"
mkdir -p "$runtime"
chmod 700 "$runtime"
echo "$runtime" >"$state/runtime-dir"
: >"$state/pids"
up=0
trap '[ $up = 1 ] || "$scripts/stop_sound_server.sh" "$state" >/dev/null 2>&1' EXIT

export XDG_RUNTIME_DIR="$runtime"
# What the server, its session manager and their clients keep (WirePlumber's chosen defaults and
# each stream's volume, the client library's cookie) stays in the state folder: kept in the home
# folder, a volume or mute left by one run would silence every later run's output.
export XDG_STATE_HOME="$state/home/state" XDG_CONFIG_HOME="$state/home/config"
export XDG_DATA_HOME="$state/home/data" PULSE_COOKIE="$state/home/pulse-cookie"
mkdir -p "$XDG_STATE_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
# The graph runs at the tests' own rate: a 44.1 kHz stream is never resampled, so what is heard
# has the pitch and the length of what was played from the first stream on.
mkdir -p "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d"
cat >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/orvanta-rate.conf" <<'CONF'
context.properties = {
    default.clock.rate = 44100
    default.clock.allowed-rates = [ 44100 ]
}
CONF
export DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus"
unset PULSE_SERVER DISPLAY WAYLAND_DISPLAY

# until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds.
until_ready() {
    local limit=$(($1 * 20)) what=$2
    shift 2
    for _ in $(seq "$limit"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "start_sound_server: $what did not come up" >&2
    cat "$state"/*.log >&2 2>/dev/null || true
    exit 1
}

started() { echo "$1" >>"$state/pids"; }

dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
    >"$state/dbus.log" 2>&1 &
started $!
until_ready 10 "the session bus" test -S "$runtime/bus"

pipewire >"$state/pipewire.log" 2>&1 &
started $!
until_ready 10 pipewire pw-cli info 0

wireplumber >"$state/wireplumber.log" 2>&1 &
started $!
has_default_metadata() { pw-cli ls Metadata | grep -q '"default"'; }
until_ready 10 wireplumber has_default_metadata

pipewire-pulse >"$state/pipewire-pulse.log" 2>&1 &
started $!
export PULSE_SERVER="unix:$runtime/pulse/native"
until_ready 10 pipewire-pulse pactl info

pactl load-module module-null-sink sink_name=orvanta_out \
    sink_properties=device.description=Orvanta-Test-Output >/dev/null
pactl load-module module-remap-source master=orvanta_out.monitor source_name=orvanta_in \
    source_properties=device.description=Orvanta-Test-Input >/dev/null
pactl set-default-sink orvanta_out
pactl set-default-source orvanta_in
defaults_set() { pactl info | grep -q 'Default Sink: orvanta_out' && pactl info | grep -q 'Default Source: orvanta_in'; }
until_ready 10 "the test devices" defaults_set
input_linked() { pw-link -l | grep -q 'input.orvanta_in'; }
until_ready 10 "the input's link to the output" input_linked

cat >"$state/env" <<ENV
export XDG_RUNTIME_DIR="$runtime"
export PULSE_COOKIE="$PULSE_COOKIE"
export DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
export PULSE_SERVER="$PULSE_SERVER"
ENV
up=1
echo "sound server up: $PULSE_SERVER"
