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

# Typed words, and what the completion must and must not offer (words separated by spaces).
cd "$(mktemp -d)"
touch COM_file.txt
while IFS='|' read -r line offered refused; do
    got=" $(complete_line "$line" | tr '\n' ' ')"
    for word in $offered; do
        [[ $got == *" $word "* ]] || fail "$line: no $word in:$got"
    done
    for word in $refused; do
        [[ $got == *" $word "* ]] && fail "$line: $word in:$got"
    done
    # Nothing offered twice.
    [ "$(complete_line "$line" | sort | uniq -d)" = "" ] || fail "$line: twice:$got"
done <<'CASES'
orvanta-cli re|read report restore|write
orvanta-cli --port COM|COM2|COM_file.txt
orvanta-cli --port /dev/tty||COM2
orvanta-cli -|-h --help --version --lang|--yes --any
orvanta-cli report -|-o --port -h --help --lang|--yes --any --password --version
orvanta-cli write --|--yes --show-secrets --port|--any --json
orvanta-cli --port COM2 w|wait write|
orvanta-cli wait --ti|--timeout|
orvanta-cli help w|wait write|
orvanta-cli program --|--settings --sites --ledger --reports --count --again --keep-going|--password --any
orvanta-cli write --site x --|--yes --site|--any
orvanta-cli --site x w|wait write|
CASES
ports=$(complete_line "orvanta-cli --port /dev/tty")
[ -n "$ports" ] || fail "no device after --port"
grep -qvx '/dev/tty.*' <<<"$ports" && fail "--port /dev/tty: $ports"
echo "completion: commands, ports and each command's options"
