// The files of --shelx and --cif, written at the end of the run from what it has: the scaled
// observations with their zones, the merged reflections, the cell, the wavelength and the run's
// space group (--sg's setting, or the standard setting of the number).
#pragma once

#include "merge/exports/export_options.hpp"
#include "merge/pipeline/merge_run.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

// Writes the files the options ask for; without a merge, says that none is written.
void write_exports(const Session& s, const MergeRun& run);

}  // namespace ped::merge
