#!/usr/bin/env bash
# The tool on a real X server: a save from the "Файл…" menu that holds the window (the support
# bundle of a large log) is an activity, so a click on "Прочитать настройки" made during it is
# dropped, not carried out once the save is over; the box then says where the bundle went, and the
# same click after it reads the panel.
#   x_save_drops_clicks.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
build=$(realpath "$1")
shots=${2:-}

source "$(dirname "$0")/x_common.sh"
x_inside_xvfb "$0" "$@"
x_start_tool "$build"
# About 300 MB of log: the bundle reads it through for its last lines, a second or more.
yes '# 08.12.2026 15:00:00 # error #' | head -c 300M >"$work/cwd/log.txt" || true

main=$(window_named "$caption") || fail "no main window"
transcript_lines() { wc -l <"$work/transcript.txt" 2>/dev/null || echo 0; }
# The start-up read is over once the transcript stands still.
last=-1
for _ in $(seq 100); do
    now=$(transcript_lines)
    [ "$now" -gt 0 ] && [ "$now" = "$last" ] && break
    last=$now
    sleep 0.5
done
[ "$(transcript_lines)" -gt 0 ] || fail "the start-up read never reached the panel"
before=$(transcript_lines)

# "Файл…", then the menu's second entry from the bottom: "Сохранить сведения для поддержки…".
# A loaded machine (or a sanitizer's build) may open the menu late: it is tried again.
dialog=
for _ in 1 2 3; do
    xdotool mousemove --window "$main" 654 61 click 1
    sleep 1
    xdotool key Up Up Return
    dialog=$(window_named "Сохранить как") && break
    xdotool key Escape
done
[ -n "$dialog" ] || fail "no file dialog"
xdotool type --delay 20 "$work/support.tar.gz"
xdotool key Return
# The save starts as the dialog goes.
for _ in $(seq 200); do
    xdotool search --onlyvisible --name "^Сохранить как\$" >/dev/null 2>&1 || break
    sleep 0.05
done
sleep 0.4
read_button() { xdotool mousemove --window "$main" 504 23 click 1; }
read_button
# A sanitizer's build reads the log many times slower.
for _ in $(seq 1200); do [ -s "$work/support.tar.gz" ] && break; sleep 0.1; done
[ -s "$work/support.tar.gz" ] || fail "the support bundle was not saved"
# The save is over: a click it held would start a read at once.
sleep 1.5
[ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/after-save.png"
[ "$(transcript_lines)" = "$before" ] ||
    fail "a click made during the save reached the panel after it: $(tail -n 3 "$work/transcript.txt")"
# A box says where the bundle went; it is closed before the next click.
window_named "Orvanta Config" >/dev/null || fail "no box says where the bundle went"
xdotool key Return
# Under a sanitizer the box may take seconds to go; a click while it stands would be its own.
for _ in $(seq 600); do
    xdotool search --onlyvisible --name "^Orvanta Config\$" >/dev/null 2>&1 || break
    sleep 0.05
done
! xdotool search --onlyvisible --name "^Orvanta Config\$" >/dev/null 2>&1 ||
    fail "the box that says where the bundle went did not close"

# The same click now reads the panel: it was aimed at the button.
read_button
for _ in $(seq 300); do [ "$(transcript_lines)" != "$before" ] && break; sleep 0.1; done
[ "$(awk 'NR == '"$((before + 1))"' {print $NF}' "$work/transcript.txt")" = "+v" ] ||
    fail "the click on the read button did not read the panel"
echo "a click during the support bundle's save dropped; after it, the same click reads the panel"
