# Sourced by the tests that run the tool on a real X server with a window manager:
#   x_start_tool BUILD_DIR [PANEL OPTIONS...]
# starts the virtual panel (its transcript in $work/transcript.txt), a Config.ini that maps COM2
# to it, the 54 messages' lists, Openbox and the tool in $work/cwd; the caller re-executes itself
# under xvfb-run first (x_inside_xvfb "$0" "$@").

x_inside_xvfb() {
    unset QT_QPA_PLATFORM # the tests around these run offscreen; these need the X server
    if [ "${X_SESSION_INNER:-}" != 1 ]; then
        X_SESSION_INNER=1 exec xvfb-run -a -s "-screen 0 1024x900x24" "$@"
    fi
}

fail() {
    echo "FAIL: $*"
    exit 1
}

# The id of the visible window with this exact name, once it shows.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

x_cleanup() {
    kill "${tool:-}" "${panel:-}" "${wm:-}" 2>/dev/null || true
    rm -rf "$work"
}

x_start_tool() {
    local build=$1
    shift
    work=$(mktemp -d)
    trap x_cleanup EXIT
    mkdir -p "$work/bin" "$work/cwd" "$work/config"
    cp "$build/src/shell/orvanta-config" "$work/bin/"
    "$build/tools/panel-sim/orvanta-panel-sim" --link "$work/panel" "$@" \
        --transcript "$work/transcript.txt" >/dev/null 2>&1 &
    panel=$!
    for _ in $(seq 50); do [ -e "$work/panel" ] && break; sleep 0.1; done
    printf '[Main]\r\nDebug=False\r\n[Ports]\r\nCOM2=%s\r\n' "$work/panel" >"$work/bin/Config.ini"
    { printf 'Сообщение\r\n'; for n in $(seq 54); do printf 'Сообщение %d\r\n' "$n"; done; } >"$work/cwd/messages.txt"
    { printf 'Файл\r\n'; for n in $(seq 54); do printf '%d.wav\r\n' "$n"; done; } >"$work/cwd/sounds.txt"

    XDG_CACHE_HOME="$work/cache" openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
    (cd "$work/cwd" && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        exec "$work/bin/orvanta-config") >/dev/null 2>&1 &
    tool=$!
}

caption='Настройка охранной панели "Orvanta"'
