# Demo of the merge tool; run by demo.sh in the scratch folder ($bin: the tools, $here: examples).
set -eu
cp "$here/in.txt" "$here/zap001" "$here/zap100" "$here/zap010" .

echo "== TAV3eng: three zones of Pnma (62), g from 0.1 to 1.5, sigma 2, negatives set to 1,"
echo "== Poisson(I) errors, Friedel mates merged (3.41333 1/angstrom per 2048 pixels), Lorentz"
echo "== correction at 200 kV and 1.2 degrees, output base name 'demo'"
printf '2048 3.41333\n2048 3.41333\n2048 3.41333\n' | "$bin/TAV3eng" in.txt 0.1 1.5 2 0 0 0 62 0 200 1.2 demo > demo.log
echo "== Console (demo.log), last lines:"
tail -n 12 demo.log
echo
echo "== Scale factors (demo.txt):"
grep "scale factor number" demo.txt
echo
echo "== Merged reflections, demofin.hkl (first lines of $(wc -l < demofin.hkl)):"
head -n 8 demofin.hkl
echo "== Also written: zap001.hkl zap100.hkl zap010.hkl (prepared zones), demo.txt, demog.txt"
echo "== (reports), demo.hkl (scaled reflections), demofin.hkl (merged, for the cell tool)"

echo
echo "== TAV3 (French build) on the same zones, output base name 'demofr': the calibration is"
echo "== one number, 3.41333 per 2048 pixels; the console traces each condition code"
printf '3.41333\n3.41333\n3.41333\n' | "$bin/TAV3" in.txt 0.1 1.5 2 0 0 0 62 0 200 1.2 demofr > demofr.log
grep -m 3 "cond vaut" demofr.log
tail -n 6 demofr.log
if cmp -s demofin.hkl demofrfin.hkl; then echo "== demofrfin.hkl is identical to demofin.hkl"; fi
