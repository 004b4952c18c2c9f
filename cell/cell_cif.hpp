// --cell-cif: the refined cell with the standard deviation of each parameter over the fits as
// its standard uncertainty, as a small CIF beside the .out file (<input stem>_cell.cif), which
// the merge tool's --cell-file reads.
#pragma once

#include <string>
#include <vector>

#include "cell/crystal_systems.hpp"

namespace ped::cell {

// "demofin.hkl" gives "demofin_cell.cif": the input without its extension, "_cell.cif" added.
std::string cell_cif_name(const std::string& input);

// One data block with the six _cell_ items: the refined parameters as "5.4410(6)" (without
// uncertainty after a single fit), the lengths the system ties to a with a's, the angles the
// system fixes as "90" or "120". `fits` is not empty.
std::string cell_cif(const std::vector<CellFit>& fits, const CrystalSystem& system,
                     const std::string& input);

}  // namespace ped::cell
