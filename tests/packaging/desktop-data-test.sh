#!/usr/bin/env bash
# Validates the software-centre description and the desktop entry: no error, no warning.
# desktop-data-test.sh DATA-DIR; exit status 77 (skipped) when neither validator is installed.
set -u
data=$1
ran=0
status=0
if command -v appstreamcli >/dev/null; then
    ran=1
    for file in "$data"/*.metainfo.xml; do
        # Strict: warnings and infos fail it too, pedantic hints do not.
        appstreamcli validate --strict --no-net --no-color "$file" || status=1
    done
fi
if command -v desktop-file-validate >/dev/null; then
    ran=1
    out=$(desktop-file-validate "$data"/*.desktop 2>&1) || status=1
    [[ -n $out ]] && { echo "$out"; status=1; }
fi
((ran)) || { echo "neither appstreamcli nor desktop-file-validate is installed"; exit 77; }
exit $status
