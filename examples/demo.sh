#!/bin/sh
# Runs the tools on the example data, in a scratch folder (demo-run/ at the top of the
# repository unless another is given): each part is examples/demo_<part>.sh, run in that folder
# in the order merge, cell, report (the merge's statistics, exports and report page with the
# refined cell), map. The last line is the absolute path of the report page.
# Usage: demo.sh <folder of the built tools> [<folder to run in, emptied first>]
set -eu
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
folder=${2:-$here/../demo-run}
rm -rf "$folder"
mkdir -p "$folder"
run=$(cd "$folder" && pwd)
export bin here run
for part in merge cell report map; do
    (cd "$run" && sh "$here/demo_$part.sh")
    echo
done
echo "== Everything the demo wrote is in $run; the picture of the map is $run/rows.png"
echo "== The report page of the merge, for any browser:"
echo "$run/report_report.html"
