#!/usr/bin/env bash
# The Debian package on this machine: checked by lintian (no error allowed), installed with
# apt-get, the installed tool started as the desktop menu starts it (a fresh home folder,
# offscreen), and the installed virtual panel must hear it read the panel.
#   package_check.sh PACKAGE.deb
set -euo pipefail
package=$(realpath "$1")
# Warnings and notes are printed, not fatal; but every program has its manual page, and no
# program lacks a hardening (lintian names those as information only).
lintian --allow-root --display-info --fail-on error "$package" | tee "${TMPDIR:-/tmp}/lintian.txt"
! grep -q 'no-manual-page' "${TMPDIR:-/tmp}/lintian.txt" || { echo "a program without its manual page"; exit 1; }
! grep -q 'hardening-no-' "${TMPDIR:-/tmp}/lintian.txt" || { echo "a program without a hardening"; exit 1; }
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null
# Relocations bound at start, so that they can be read-only the whole run.
for program in orvanta-config orvanta-cli orvanta-panel-sim; do
    readelf -d "/usr/bin/$program" | grep -Eq 'BIND_NOW|FLAGS.*NOW' ||
        { echo "$program: no BIND_NOW"; exit 1; }
done
dpkg-deb --field "$package" Package Version Depends

work=$(mktemp -d)
cleanup() {
    kill "${tool:-}" "${panel:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
/usr/bin/orvanta-panel-sim --link "$work/panel" --transcript "$work/transcript.txt" >/dev/null 2>&1 &
panel=$!
for _ in $(seq 50); do [ -e "$work/panel" ] && break; sleep 0.1; done
mkdir -p "$work/home/.config/Orvanta"
printf '[Ports]\r\nCOM2=%s\r\n' "$work/panel" >"$work/home/.config/Orvanta/Config.ini"
(cd "$work/home" && HOME="$work/home" XDG_CONFIG_HOME= XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen \
    exec /usr/bin/orvanta-config) >"$work/tool.log" 2>&1 &
tool=$!
for _ in $(seq 100); do grep -q '+T04' "$work/transcript.txt" 2>/dev/null && break; sleep 0.1; done
grep -q '+T04' "$work/transcript.txt" || { echo "the installed tool did not read the panel"; cat "$work/tool.log"; exit 1; }
[ "$(orvanta-config --version)" = "orvanta-config $(dpkg-deb -f "$package" Version)" ]
echo "installed package reads the virtual panel"
