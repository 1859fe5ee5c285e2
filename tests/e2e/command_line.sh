#!/usr/bin/env bash
# Both programs' command lines, from an empty folder. There is no display: a
# program that tried to open a window would fail at once.
# Usage: command_line.sh SELECTOR DATACHECK DATA_DIR VERSION
set -euo pipefail
selector=$1 datacheck=$2 data=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export DISPLAY= QT_QPA_PLATFORM=xcb
for program in "$selector" "$datacheck"; do
    name=$(basename "$program")
    "$program" --help >out 2>err && grep -q "^Usage: $name \[options\]" out && test ! -s err
    [ "$("$program" --version)" = "$name $version" ]
    status=0
    "$program" --bogus >out 2>err || status=$?
    [ $status -eq 2 ] && test ! -s out && grep -q "Unknown option 'bogus'" err && grep -q "^Usage: $name" err
done
status=0
"$datacheck" "$datacheck" 2>/dev/null || status=$?
[ $status -eq 2 ]
# Without a folder the checker checks the one the selector would read.
mkdir share && ln -s "$data" share/vellimar-ups-selector
XDG_DATA_DIRS=$work/share "$datacheck" 2>err >/dev/null
grep -q "^vellimar-datacheck: 0 errors, .* in \"$work/share/vellimar-ups-selector\".$" err
echo "both command lines answer as documented"
