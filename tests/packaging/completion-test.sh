#!/usr/bin/env bash
# Runs the bash completion of tarvik on a few command lines and checks what it offers.
# completion-test.sh COMPLETION-FILE SOURCE-DIR
set -u
source "$1" || exit 1
cd "$2" || exit 1

failures=0

# expect "WORDS..." "EXPECTED REPLIES": the last word is the one being completed.
expect() {
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tarvik
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    got=${got% }
    if [[ $got != "$2" ]]; then
        echo "FAIL: '$1' gave '$got', expected '$2'"
        failures=$((failures + 1))
    fi
}

expect "tarvik st" "stats"
expect "tarvik dump --s" "--summary"
expect "tarvik check --" "--author --gap --json --precision --reader"
expect "tarvik render x.scn --map h" "height"
expect "tarvik stats x.scn --reader " "classic simulator"
expect "tarvik render x.scn --layers tracks,r" "tracks,rivers tracks,roads"
expect "tarvik render x.scn --overlays legend," "legend,minimap"
expect "tarvik locate x.scn 1 -20" ""
expect "tarvik dump examples/demo/d" "examples/demo/demo.scn"
expect "tarvik dump examples/demo/tory/s" "examples/demo/tory/siec.inc examples/demo/tory/stacja.inc examples/demo/tory/szlak.inc"
expect "tarvik dump x.scn examples/demo/d" ""
expect "tarvik render --size 10x10 examples/demo/d" "examples/demo/demo.scn"
expect "tarvik render x.scn -o docs/s" "docs/screenshot.png"
expect "tarvik --v" "--version"

if ((failures > 0)); then
    echo "$failures of the completions were wrong"
    exit 1
fi
echo "completions as expected"
