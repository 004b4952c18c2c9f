// Whether the composition given for SFAC and UNIT can be the content of the cell: solids hold
// an atom in 6 to 40 cubic angstrom, so a composition far from that is most likely the formula
// unit of a cell that holds several (or the content of several cells).
#pragma once

#include <string>
#include <vector>

#include "common/unit_cell.hpp"
#include "merge/exports/shelx_files.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

inline constexpr double kLeastVolumePerAtom = 6, kMostVolumePerAtom = 40;  // cubic angstrom

struct CellContent {
    double volume_per_atom = 0;  // the cell's volume over the number of atoms of the composition
    // The whole multiples Z of the composition that put the volume per atom inside 6 to 40;
    // z_min > z_max when there is none (fewer atoms would be needed, not more).
    double z_min = 0, z_max = 0;
};

// The volume per atom of `composition` in `cell` (a checked cell, a composition that read).
CellContent cell_content(const UnitCell& cell, const std::vector<ElementCount>& composition);

// Says on standard error, naming the `ins` file, when the volume per atom is outside 6 to 40
// cubic angstrom, with the multiples of the composition that would bring it inside.
void warn_cell_content(const Session& s, const UnitCell& cell,
                       const std::vector<ElementCount>& composition, const std::string& ins);

}  // namespace ped::merge
