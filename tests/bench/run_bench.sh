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

# The merge of <folder> (<zones> zones, Friedel merge and Lorentz correction), its console in
# console.txt; prints its time in ms and, where /usr/bin/time is, its peak memory in kB.
merge() {
    answers=$(i=0; while [ $i -lt "$2" ]; do echo "1000 1"; i=$((i + 1)); done)
    start=$(date +%s%N)
    echo "$answers" | (cd "$1" && $timer "$bin/TAV3eng" in.txt 0 100 3 0 0 0 47 0 200 1.5 out \
        > console.txt 2> errors.txt)
    end=$(date +%s%N)
    echo "$(ms "$start" "$end") $(tail -n 1 "$1/memory.txt" 2>/dev/null || echo -)"
}
timer=""
[ -x /usr/bin/time ] && timer="/usr/bin/time -o memory.txt -f %M"
# Lines written by the merge of <folder>: console, then every file.
volume() {
    console=$(wc -l < "$1/console.txt")
    lines=$(cd "$1" && sed 's/$/.hkl/' in.txt | xargs cat out.txt outg.txt out.hkl outfin.hkl | wc -l)
}

# zones, reflections per zone, pool of index triples (smaller pool: more shared reflections)
for case in "20 5000 50000" "20 5000 6000"; do
    set -- $case
    dir="$work/case-$3"
    mkdir -p "$dir"
    "$tests/make_bench_zones" "$dir" "$1" "$2" "$3"
    # Three runs of each, taken in turn, and the medians: one busy moment moves neither much.
    tools="" floors=""
    for run in 1 2 3; do
        result=$(merge "$dir" "$1")
        [ "$run" = 1 ] && volume "$dir"
        fstart=$(date +%s%N)
        (cd "$dir" && "$tests/printf_floor" in.txt "$console" "$lines" floor.txt \
            > floor_console.txt)
        fend=$(date +%s%N)
        tools="$tools ${result%% *}"
        floors="$floors $(ms "$fstart" "$fend")"
    done
    tool=$(median $tools)
    floor=$(median $floors)
    echo "merge, $1 zones x $2 reflections, pool $3: ${tool} ms; printf floor ${floor} ms (medians of 3)" \
         "(same volume: $console console lines, $lines file lines); ratio" \
         "$(awk -v a="$tool" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')"
done

# Many small zones: 50 and 200 zones of 60 reflections from a pool of 300 triples, every pair of
# zones compared and reported, so the output grows as the square of the zones; the ratio of
# the times is set beside that of the output.
for zones in 50 200; do
    dir="$work/many-$zones"
    mkdir -p "$dir"
    "$tests/make_bench_zones" "$dir" "$zones" 60 300
    times="" memory=""
    for run in 1 2 3; do
        result=$(merge "$dir" "$zones")
        times="$times ${result%% *}"
        memory=${result##* }
    done
    volume "$dir"
    eval "ms_$zones=$(median $times) lines_$zones=$((console + lines))"
    echo "merge, $zones zones x 60 reflections, pool 300: $(median $times) ms (median of 3)," \
         "$memory kB at most; $((console + lines)) lines written"
done
echo "many zones, 200 against 50: time x$(awk -v a="$ms_200" -v b="$ms_50" \
     'BEGIN { printf "%.1f", a / b }'), output x$(awk -v a="$lines_200" -v b="$lines_50" \
     'BEGIN { printf "%.1f", a / b }')"

# The cell tool's widest scan: monoclinic, g from -50 to 50, thresholds 1 to 1000.
cp "$examples/cell_example.hkl" "$work/"
start=$(date +%s%N)
(cd "$work" && "$bin/cellsolve" cell_example.hkl 109 -50 50 1000 > cell.txt)
end=$(date +%s%N)
echo "cellsolve, widest scan of cell_example.hkl (monoclinic, -50 to 50, thresholds 1 to" \
     "1000): $(ms "$start" "$end") ms, $(wc -c < "$work/cell.txt") bytes on the console"
