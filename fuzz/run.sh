#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds (default 45) from seeds made of
# the shipped data files, and fails when one finds something. Findings are
# kept in BUILD_DIR/findings/TARGET/, with the command that replays each.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-45}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
data="$source_dir/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeds: each data file whole for its reader; for the number rule, the VA
# fields of the equipment lists and the load bands of the runtime tables.
mkdir -p "$work"/{lenient_parse,line_reader,runtime_table,equipment_list,product_info,model_lookup}
for table in 120 230; do
    # Two bytes of total (300 VA) in front of the table.
    { printf '\001\054'; cat "$data/$table.txt"; } > "$work/runtime_table/$table"
    { printf '\000\062'; awk -F'\t' '!($1 in band) && n++ == 2 { exit } { band[$1] } 1' "$data/$table.txt"; } \
        > "$work/runtime_table/$table-two-bands"
    { echo "Webline 1000"; cat "$data/prod$table.txt"; } > "$work/product_info/webline-$table"
    { echo "Brisk 1000 RMXL"; cat "$data/prod$table.txt"; } > "$work/product_info/rackmount-$table"
    # Model texts of the table, each before the product file of its voltage.
    cut -f3 "$data/$table.txt" | tr -d '\r' | sort -u | head -8 | while read -r model; do
        { echo "$model"; cat "$data/prod$table.txt"; } > "$work/model_lookup/$table-${model//[^A-Za-z0-9]/_}"
    done
done
# Every category's list, as the program built from the table of categories lists them.
for list in $("$build/fuzz/list_data_files" | awk '$2 == "equipment-list" { print $1 }'); do
    cp "$data/$list" "$work/equipment_list/${list%.txt}"
done
# Block sizes of 1, 8 and 17 bytes over lines of every ending.
printf '\000a\r\nb\rc\nd' > "$work/line_reader/mixed"
{ printf '\007'; head -20 "$data/server.txt"; } > "$work/line_reader/crlf"
{ printf '\020\357\273\277'; head -20 "$data/network.txt" | tr '\n' '\r' | tr -d '\n'; } > "$work/line_reader/bom-cr"
n=0
for text in $(cut -d, -f3 "$data"/server.txt "$data"/other.txt | tr -d '\r' | sort -u | head -40) \
            1e400 -1e400 nan inf " -12.5e3x" "0.000001" "+.5"; do
    printf '%s' "$text" > "$work/lenient_parse/seed$((n += 1))"
done

status=0
for target in lenient_parse line_reader runtime_table equipment_list product_info model_lookup; do
    echo "== ${target}_fuzz for ${seconds} s"
    found=$build/findings/$target
    mkdir -p "$found"
    touch "$work/$target.start"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
    # Whole data files as seeds, but short mutated inputs: more of them per second.
    [ "$target" = lenient_parse ] || options+=(-max_len=8192)
    rc=0
    (cd "$work" && "$build/fuzz/${target}_fuzz" "${options[@]}" -artifact_prefix="$found/" \
        "$work/$target" >"$work/$target.log" 2>&1) || rc=$?
    grep -E "^(INFO: seed corpus|Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)" "$work/$target.log" || true
    artifacts=$(find "$found" -type f -newer "$work/$target.start")
    if [ "$rc" -ne 0 ] || [ -n "$artifacts" ]; then
        echo "FINDING in ${target}_fuzz (exit status $rc):"
        tail -40 "$work/$target.log"
        for artifact in $artifacts; do
            echo "input $artifact:"
            od -c "$artifact" | head -20
            echo "replay: $build/fuzz/${target}_fuzz $artifact"
            echo "keep as a regression test: cp $artifact $source_dir/fuzz/regressions/$target/"
        done
        status=1
    fi
done
exit $status
