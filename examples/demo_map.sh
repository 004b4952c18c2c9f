# Demo of the map tool; run by demo.sh in the scratch folder ($bin: the tools, $here: examples).
set -eu
cp "$here/tilts.txt" .

echo "== tiltmap: the eight reflection rows of tilts.txt (two tilt angles in degrees and the"
echo "== spacing of the reflections), reference row 1, five reflections on it, output 'rows'"
printf '1\n5\n' | "$bin/tiltmap" tilts.txt rows
echo
echo "== Point file rows ($(wc -l < rows) lines), first lines:"
head -n 4 rows
echo "== Text map rows.bmp: $(wc -l < rows.bmp) lines of 501 grey values"
echo "== Picture of the map: $run/rows.png (501 x 501 grey levels, opens in any browser or image viewer)"
