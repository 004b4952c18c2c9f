// A space group's operations as SHELX reads them: the LATT and SYMM cards of an instruction
// file.
#pragma once

#include <string>
#include <vector>

#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

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
