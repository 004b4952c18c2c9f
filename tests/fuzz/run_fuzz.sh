#!/bin/sh
# Runs every fuzz target for a bounded time on a scratch copy of its seed corpus.
# Usage: run_fuzz.sh <folder of the fuzz targets> <seconds per target>
# Findings (crash-*, leak-*, timeout-* files) land in <folder>/findings/; any finding fails.
set -eu
dir=$(cd "$1" && pwd)
seconds=$2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
mkdir -p "$dir/findings"
status=0
for target in "$dir"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$dir/corpus/$name"
    mkdir -p "$corpus"
    [ -d "$seeds/$name" ] && cp "$seeds/$name"/* "$corpus"/ 2>/dev/null || true
    log="$dir/$name.log"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/findings/$name-" "$corpus" > "$log" 2>&1; then
        runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
        echo "$name: ${seconds} s, ${runs:-?} runs, no finding"
    else
        echo "$name: FINDING (see $log and $dir/findings/)"
        tail -n 30 "$log"
        status=1
    fi
done
exit $status
