// The symmetry a run uses, chosen from --sg and --ita (read in merge/options.cpp): --sg's
// setting, the conditions of the International Tables for a number with --ita, or else the
// tool's own condition lists, with a word on standard error where a list differs from the
// Tables.
#pragma once

#include <string>

#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

// The run's symmetry once the number is known (position 8, question 7, or --sg). --sg gives
// its setting's; --ita with a number gives the Tables' conditions (a number outside 1 to 230
// is fatal; with a symbol --ita changes nothing, its conditions already being the Tables');
// otherwise the tool's own lists, after the warning below.
RunSymmetry choose_symmetry(const Session& s, const MergeOptions& o, int number);

// The warning, in the tool's language, for a number whose own list differs from the Tables
// (computed from gemmi over -6 to 6); "" for any other number.
std::string difference_warning(const Messages& m, int number);

}  // namespace ped::merge
