# Demo of the merge tool's reports and exports; run by demo.sh in the scratch folder after the
# merge and cell demos ($bin: the tools). The same zones merged again as "report", now with the
# cell the cell tool refined (demofin.out): merging statistics by shell, the absence report,
# zones compared on Friedel mates with the uncertainty of each factor, and the files for
# structure solution, and the report page that shows it all (--html).
set -eu
echo "== TAV3eng again, output 'report': --stats --absences --match=friedel --html, and --shelx --cif"
echo "== with the refined cell (--cell-file=demofin.out) and --composition=\"Ca4 Ti4 O12\""
printf '2048 3.41333\n2048 3.41333\n2048 3.41333\n' | "$bin/TAV3eng" in.txt 0.1 1.5 2 0 0 0 62 0 \
    200 1.2 report --stats --absences --match=friedel --html --shelx --cif --cell-file=demofin.out \
    --composition="Ca4 Ti4 O12" > report.log 2> report.err
echo "== Standard error: what became of each zone's records, and the factors with their uncertainty:"
grep -E "^zone" report.err
echo "== Merging statistics by shell (report_stats.txt; the same numbers in report_stats.json):"
sed -n '/^shell/,/^all/p' report_stats.txt
echo "== Absence report (report_absences.txt), first lines:"
sed -n '1,/^zone 2/p' report_absences.txt | head -n 12
echo "== For structure solution: report_shelx.hkl ($(wc -l < report_shelx.hkl) lines, batch ="
echo "== zone), report_shelx_merged.hkl, report_shelx.ins and report_hkl.cif; the .ins:"
grep -v "^REM" report_shelx.ins
echo "== Report page (report_report.html): the run, the zones and their factors, the zones"
echo "== compared pair by pair, the shell statistics as plots and the absences, in one file"
