#include "merge/exports/cell_content.hpp"

#include <gemmi/unitcell.hpp>

#include <algorithm>
#include <cmath>

namespace ped::merge {

CellContent cell_content(const UnitCell& cell, const std::vector<ElementCount>& composition) {
    double atoms = 0;
    for (const ElementCount& e : composition) atoms += e.count;
    const gemmi::UnitCell u(cell.a, cell.b, cell.c, cell.alpha, cell.beta, cell.gamma);
    CellContent c;
    c.volume_per_atom = u.volume / atoms;
    c.z_min = std::max(1.0, std::ceil(c.volume_per_atom / kMostVolumePerAtom));
    c.z_max = std::floor(c.volume_per_atom / kLeastVolumePerAtom);
    return c;
}

void warn_cell_content(const Session& s, const UnitCell& cell,
                       const std::vector<ElementCount>& composition, const std::string& ins) {
    const CellContent c = cell_content(cell, composition);
    if (c.volume_per_atom >= kLeastVolumePerAtom && c.volume_per_atom <= kMostVolumePerAtom) return;
    if (c.z_min <= c.z_max)
        say(s.term, s.msg.composition_sparse, c.volume_per_atom, c.z_min, c.z_max, ins.c_str());
    else
        say(s.term, s.msg.composition_dense, c.volume_per_atom, ins.c_str());
}

}  // namespace ped::merge
