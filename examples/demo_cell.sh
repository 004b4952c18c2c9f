# Demo of the cell tool; run by demo.sh in the scratch folder ($bin: the tools, $here: examples).
# It refines the cell from the merged file of the merge demo (demofin.hkl) when there is one,
# otherwise from the example merged file cell_example.hkl (same orthorhombic Pnma cell,
# a = 5.44, b = 7.64, c = 5.38).
set -eu
if [ -f demofin.hkl ]; then
    input=demofin.hkl
else
    cp "$here/cell_example.hkl" .
    input=cell_example.hkl
fi
output=${input%???}out

echo "== cellsolve: $input, orthorhombic ('o' = 111), windows of g from 0.2 to 1.5,"
echo "== I/sigma(I) thresholds 1 to 5; the whole dialogue goes to cellsolve.log"
"$bin/cellsolve" "$input" 111 0.2 1.5 5 </dev/null >cellsolve.log
echo "== The first window and its fit:"
awk '/^limit vaut/ && ++w == 2 { exit } w && !/^$/ { print }' cellsolve.log
echo "== $(grep -c '^le nombre est' cellsolve.log) window fits in all; the report over them:"
sed -n -e '/^Les* parametres* de maille [a-z]* :$/,$p' -e '/^Aucun affinement/,$p' cellsolve.log
echo "== Cell line of $output (a b c alpha beta gamma):"
cat "$output"
echo
