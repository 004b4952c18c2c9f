// A space group's operations as the exported files write them: every operation as a coordinate
// triplet for CIF, and the LATT and SYMM cards of a SHELX instruction file.
#pragma once

#include <string>
#include <vector>

#include "merge/symmetry/symmetry.hpp"

namespace ped::merge {

// Every operation of the group, centring translations included, identity first, as gemmi
// writes them ("-x+1/2,y+1/2,-z"; translations from 0 to 1).
std::vector<std::string> operation_triplets(const SpaceGroupSetting& group);

// The cards of SHELX, which builds the group from them: LATT n, n the lattice type (1 P, 2 I,
// 3 R obverse on hexagonal axes, 4 F, 5 A, 6 B, 7 C), positive when SHELX is to add the
// inversion at the origin, which the group then holds; one SYMM card for each operation SHELX
// does not generate itself (not the identity, no centring translation, and with a positive LATT
// only one of each operation and its product with the inversion). A centring none of the types
// names is written as P, its translations in the cards.
struct ShelxSymmetry {
    int latt = -1;
    std::vector<std::string> symm;  // "1/2-X, -Y, 1/2+Z"
};
ShelxSymmetry shelx_symmetry(const SpaceGroupSetting& group);

}  // namespace ped::merge
