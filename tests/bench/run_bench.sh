#!/bin/sh
# Times whole merges on generated worst cases, in a temporary folder.
# Usage: run_bench.sh <folder of the built tools> <folder of make_bench_zones>
set -eu
bin=$(cd "$1" && pwd)
gen=$(cd "$2" && pwd)/make_bench_zones
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# zones, reflections per zone, pool of index triples (smaller pool: more shared reflections)
for case in "20 5000 50000" "20 5000 6000"; do
    set -- $case
    dir="$work/case-$3"
    mkdir -p "$dir"
    "$gen" "$dir" "$1" "$2" "$3"
    answers=$(i=0; while [ $i -lt "$1" ]; do echo "1000 1"; i=$((i + 1)); done)
    start=$(date +%s%N)
    echo "$answers" | (cd "$dir" && "$bin/TAV3eng" in.txt 0 100 3 0 0 0 47 0 200 1.5 out \
        > console.txt 2> errors.txt)
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    lines=$(wc -l < "$dir/console.txt")
    merged=$(wc -l < "$dir/outfin.hkl")
    echo "$1 zones x $2 reflections, pool $3: ${ms} ms (console $lines lines," \
         "$(du -k "$dir/out.txt" | cut -f1) kB linear report, $merged merged reflections)"
done
