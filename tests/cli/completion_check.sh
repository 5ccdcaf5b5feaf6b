#!/usr/bin/env bash
# orvanta-cli's bash completion as bash gives it: the commands that begin "re", the device paths
# after --port, and the options.
#   completion_check.sh COMPLETION_FILE ORVANTA_CLI
set -euo pipefail
source "$1"
cli=$2

complete_line() {
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    read -r -a COMP_WORDS <<<"$COMP_LINE"
    [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
    COMP_WORDS[0]=$cli
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _orvanta_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ "$(complete_line "orvanta-cli re" | tr '\n' ' ')" = "read report restore " ] ||
    fail "orvanta-cli re: $(complete_line "orvanta-cli re" | tr '\n' ' ')"
ports=$(complete_line "orvanta-cli --port /dev/tty")
[ -n "$ports" ] || fail "no device after --port"
grep -qvx '/dev/tty.*' <<<"$ports" && fail "--port /dev/tty: $ports"
complete_line "orvanta-cli --port COM" | grep -qx COM2 || fail "--port COM: no COM2"
complete_line "orvanta-cli --ti" | grep -qx -- --timeout || fail "--ti: no --timeout"
complete_line "orvanta-cli --port COM2 w" | grep -qx wait || fail "--port COM2 w: no wait"
echo "completion: commands, ports and options"
