#!/bin/sh
# Sizing from the command line with no display at all: two sites in each format, a site that cannot be
# sized (exit 1, saying why), and a command line that cannot be carried out (exit 2).
# Arguments: the selector, the shipped data folder.
set -u
selector=$1 data=$2
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
printf '#volts,230\r\n#runtime,30\r\ndescription,VA,quantity\r\nRack server,450,2\r\n' >"$dir/a.upsload"
printf 'description,VA\nSwitch,60\n' >"$dir/b.csv"
printf 'description,VA\nSwitch,sixty\n' >"$dir/bad.csv"
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$selector" --data-dir "$data" "$@"; }
fail() { echo "FAILED: $*"; exit 1; }

out=$(run --suggest --runtime 60 "$dir/a.upsload" "$dir/b.csv") || fail "text: exit $?"
echo "$out"
test "$(echo "$out" | grep -c 'Desired Runtime: 60 min./ 1 hour')" = 2 || fail "text: two blocks at 60 min."
echo "$out" | grep -q 'Total VA:  900 .* 230 Volt' || fail "text: the file's voltage and quantity"
out=$(run --suggest --volts 120 --runtime 60 --format csv "$dir/a.upsload" "$dir/b.csv") || fail "csv: exit $?"
echo "$out"
records=$(($(echo "$out" | wc -l) - 1))
echo "$out" | head -1 | grep -q '^site,volts,runtime,total_va,class,model,message' || fail "csv: header"
out=$(run --suggest --volts 230 --runtime 60 --format json "$dir/a.upsload" "$dir/b.csv") || fail "json: exit $?"
echo "$out"
echo "$out" | python3 -c 'import json, sys; r = json.load(sys.stdin); n = len(r) // 2
assert len(r) == 2 * n == int(sys.argv[1]) and len({x["class"] for x in r}) == n and r[n]["total_va"] == 60, r' \
    "$records" || fail "json: as many records as in the csv, each site one per class"

out=$(run --suggest "$dir/b.csv" "$dir/bad.csv"); status=$?
echo "$out"
test $status = 1 || fail "unsized sites: exit $status"
echo "$out" | grep -q 'You need to select a runtime' || fail "no runtime: the screens' message"
echo "$out" | grep -q 'bad.csv" cannot be used: line 2: its VA "sixty"' || fail "bad line named"
run --suggest --volts 240 --va 100; test $? = 2 || fail "--volts 240: exit 2"
run --suggest --runtime 60; test $? = 2 || fail "nothing to size: exit 2"
run --format csv; test $? = 2 || fail "--format without --suggest: exit 2"
out=$(run --suggest --runtime 15 --va 100) || fail "--va: exit $?"
echo "$out" | grep -q 'Total VA:  100 .* 120 Volt' || fail "--va at 120 V"
# The printed page as a PDF, its text extractable; one that cannot be written is said, with status 1.
run --suggest --pdf "$dir/r.pdf" "$dir/a.upsload" >/dev/null || fail "--pdf: exit $?"
pdftotext -layout "$dir/r.pdf" - | grep -q 'Total VA: *900 *Desired Runtime: 30 min.' || fail "--pdf: the page's text"
run --suggest --pdf "$dir/none/r.pdf" "$dir/a.upsload" 2>&1 >/dev/null | grep -q 'could not be written' ||
    fail "--pdf: unwritable file"
out=$(run --suggest --pdf "$dir/r.pdf" "$dir/a.upsload" "$dir/b.csv" 2>&1); status=$?
test $status = 2 && echo "$out" | grep -q 'the page of one site' || fail "--pdf with two sites: exit $status"
echo passed
