#!/usr/bin/env bash
# The tool on a real X server with a window manager, against a slow virtual panel: the window's
# caption, the wait dialog drawn and animated during the start-up read, a click during that read
# dropped, and a close during that read carried out as soon as the read ends.
#   x_session.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
build=$(realpath "$1")
shots=${2:-}

source "$(dirname "$0")/x_common.sh"
x_inside_xvfb "$0" "$@"
x_start_tool "$build" --delay 200

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
