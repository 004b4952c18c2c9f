// The files of --shelx and --cif, written at the end of the run from what it has: the scaled
// observations with their zones, the merged reflections, the cell, the wavelength and the run's
// space group (--sg's setting, or the standard setting of the number).
#pragma once

#include <optional>
#include <vector>

#include "common/reflection.hpp"
#include "common/unit_cell.hpp"
#include "merge/exports/export_options.hpp"
#include "merge/pipeline/questions.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/symmetry_merge.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

struct ExportRun {
    const std::vector<Reflection>* observations = nullptr;  // the records of <out>.hkl
    const std::vector<int>* zone_of = nullptr;              // the zone (from 0) of each
    const MergeResult* merge = nullptr;                     // none without a Laue class
    const UnitCell* cell = nullptr;
    std::optional<double> wavelength;  // angstrom, when a file needs it
};

// Writes the files the options ask for; without a merge, says that none is written.
void write_exports(const Session& s, const ExportOptions& o, const RunParams& p,
                   const RunSymmetry& symmetry, const std::vector<Zone>& zones,
                   const ExportRun& run);

}  // namespace ped::merge
