#!/usr/bin/env bash
# Renders each manual page as man and groff do and fails on any warning they print.
# man-page-test.sh PAGE...; exit status 77 (skipped) without man.
set -u
command -v man >/dev/null || { echo "man is not installed"; exit 77; }
status=0
for page in "$@"; do
    from_man=$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    from_groff=
    if command -v groff >/dev/null; then
        from_groff=$(groff -ww -z -man -K utf8 "$page" 2>&1)
    fi
    if [[ -n $from_man$from_groff ]]; then
        echo "$page:"
        [[ -n $from_man ]] && echo "$from_man"
        [[ -n $from_groff ]] && echo "$from_groff"
        status=1
    fi
done
exit $status
