#!/bin/sh
# Times the merge on generated worst cases beside a printf-only program that reads the same
# zones and writes the same volume (the floor), and the cell tool on its widest scan; each
# ratio is taken within one run. Usage: run_bench.sh <folder of the built tools> <folder of
# make_bench_zones and printf_floor> <examples folder>
set -eu
bin=$(cd "$1" && pwd)
tests=$(cd "$2" && pwd)
examples=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ms() { echo $(( ($2 - $1) / 1000000 )); }
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }

# zones, reflections per zone, pool of index triples (smaller pool: more shared reflections)
for case in "20 5000 50000" "20 5000 6000"; do
    set -- $case
    dir="$work/case-$3"
    mkdir -p "$dir"
    "$tests/make_bench_zones" "$dir" "$1" "$2" "$3"
    answers=$(i=0; while [ $i -lt "$1" ]; do echo "1000 1"; i=$((i + 1)); done)
    # Three runs of each, taken in turn, and the medians: one busy moment moves neither much.
    tools="" floors=""
    for run in 1 2 3; do
        start=$(date +%s%N)
        echo "$answers" | (cd "$dir" && "$bin/TAV3eng" in.txt 0 100 3 0 0 0 47 0 200 1.5 out \
            > console.txt 2> errors.txt)
        end=$(date +%s%N)
        if [ "$run" = 1 ]; then
            console=$(wc -l < "$dir/console.txt")
            lines=$(cd "$dir" && cat z??.hkl out.txt outg.txt out.hkl outfin.hkl | wc -l)
        fi
        fstart=$(date +%s%N)
        (cd "$dir" && "$tests/printf_floor" in.txt "$console" "$lines" floor.txt \
            > floor_console.txt)
        fend=$(date +%s%N)
        tools="$tools $(ms "$start" "$end")"
        floors="$floors $(ms "$fstart" "$fend")"
    done
    tool=$(median $tools)
    floor=$(median $floors)
    echo "merge, $1 zones x $2 reflections, pool $3: ${tool} ms; printf floor ${floor} ms (medians of 3)" \
         "(same volume: $console console lines, $lines file lines); ratio" \
         "$(awk -v a="$tool" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')"
done

# The cell tool's widest scan: monoclinic, g from -50 to 50, thresholds 1 to 1000.
cp "$examples/cell_example.hkl" "$work/"
start=$(date +%s%N)
(cd "$work" && "$bin/cellsolve" cell_example.hkl 109 -50 50 1000 > cell.txt)
end=$(date +%s%N)
echo "cellsolve, widest scan of cell_example.hkl (monoclinic, -50 to 50, thresholds 1 to" \
     "1000): $(ms "$start" "$end") ms, $(wc -c < "$work/cell.txt") bytes on the console"
