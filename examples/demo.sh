#!/bin/sh
# Runs the tools on the example data, in a scratch folder demo-run/ at the top of the
# repository: each part is examples/demo_<part>.sh, run in that folder in the order merge,
# cell, report (the merge's statistics and exports with the refined cell), map.
# Usage: demo.sh <folder of the built tools>
set -eu
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$here/../demo-run"
mkdir -p "$here/../demo-run"
run=$(cd "$here/../demo-run" && pwd)
export bin here run
for part in merge cell report map; do
    (cd "$run" && sh "$here/demo_$part.sh")
    echo
done
echo "== Everything the demo wrote is in $run"
