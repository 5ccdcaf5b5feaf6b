#!/usr/bin/env bash
# The tool on a real X server with a window manager, against a slow virtual panel: the window's
# caption, the wait dialog drawn and animated during the start-up read, a click during that read
# dropped, and a close during that read carried out as soon as the read ends.
#   x_session.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
build=$(realpath "$1")
shots=${2:-}

# The tests around this one run offscreen; this one needs the X server.
unset QT_QPA_PLATFORM
if [ "${X_SESSION_INNER:-}" != 1 ]; then
    X_SESSION_INNER=1 exec xvfb-run -a -s "-screen 0 1024x900x24" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    kill "${tool:-}" "${panel:-}" "${wm:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/bin" "$work/cwd" "$work/config"
cp "$build/src/shell/orvanta-config" "$work/bin/"
"$build/tools/panel-sim/orvanta-panel-sim" --link "$work/panel" --delay 200 \
    --transcript "$work/transcript.txt" >/dev/null 2>&1 &
panel=$!
for _ in $(seq 50); do [ -e "$work/panel" ] && break; sleep 0.1; done
printf '[Main]\r\nDebug=False\r\n[Ports]\r\nCOM2=%s\r\n' "$work/panel" >"$work/bin/Config.ini"
{ printf 'Сообщение\r\n'; for n in $(seq 54); do printf 'Сообщение %d\r\n' "$n"; done; } >"$work/cwd/messages.txt"
{ printf 'Файл\r\n'; for n in $(seq 54); do printf '%d.wav\r\n' "$n"; done; } >"$work/cwd/sounds.txt"

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
(cd "$work/cwd" && XDG_CONFIG_HOME="$work/config" exec "$work/bin/orvanta-config") >/dev/null 2>&1 &
tool=$!

fail() {
    echo "FAIL: $*"
    exit 1
}
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

caption='Настройка охранной панели "Orvanta"'
main=$(window_named "$caption") || fail "no main window"
title=$(xprop -id "$main" _NET_WM_NAME | sed 's/^[^=]*= "//; s/"$//; s/\\"/"/g')
[ "$title" = "$caption" ] || fail "the caption is '$title'"

dialog=$(window_named "Обмен данными") || fail "no wait dialog during the read"
# Drawn, not black or hollow: the dialog's picture has the colours of its bar and frame.
for frame in 1 2 3 4; do
    import -window "$dialog" "$work/frame$frame.png"
    sleep 0.25
done
colours=$(convert "$work/frame1.png" -format %k info:)
[ "$colours" -gt 8 ] || fail "the wait dialog is not drawn ($colours colours)"
# It moves: on a loaded machine the tool may miss a quarter second now and then, not the whole
# second.
moves=0
for frame in 2 3 4; do
    changed=$(compare -metric AE "$work/frame$((frame - 1)).png" "$work/frame$frame.png" null: 2>&1 || true)
    [ "${changed%% *}" != 0 ] && moves=$((moves + 1))
done
[ "$moves" -ge 2 ] || fail "the wait dialog's animation stood still ($moves changes in four frames)"
if [ -n "$shots" ]; then
    mkdir -p "$shots"
    cp "$work"/frame*.png "$shots/"
    import -window root "$shots/screen.png"
fi

# A click on the greyed "Записать настройки" during the read is dropped, not carried out once the
# read is over: the click goes through the X server, which holds it while the window is blocked.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 503)) $((Y + 63)) click 1

# A close during the read: the read runs to its end, then the window closes without a click.
wmctrl -c "$caption"
for _ in $(seq 150); do kill -0 "$tool" 2>/dev/null || break; sleep 0.1; done
kill -0 "$tool" 2>/dev/null && fail "the window did not close after the read"
[ "$(tail -n 1 "$work/transcript.txt" | awk '{print $NF}')" = "+v" ] || fail "the read was cut short"
if awk '{print $NF}' "$work/transcript.txt" | grep -q '^+T01.'; then
    fail "a click made during the read wrote to the panel after it"
fi
echo "caption, wait dialog, a click during the read and close during the read as expected"
