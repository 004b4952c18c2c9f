// The legacy merge from the greeting to Rint, step by step; each step adds to the run value
// what it finds, in the order the tool has always asked, said and written it. The driver
// (merge/run.cpp) calls them in turn, with the warnings and reports of the other rooms between.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/command_line.hpp"
#include "merge/pipeline/merge_run.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

// The greeting, the list file (position 1 or question 1) and its zones. A list that cannot be
// read, or a prepared file that would replace the list, a zone file or the cell file, is fatal
// before anything is written.
MergeRun open_run(const Session& s, const CommandLine& cl, const MergeOptions& o);

// The run's symmetry and its setting, once the space-group number is known.
void choose_run_symmetry(const Session& s, MergeRun& run);

// Prepares zone z (from 0): filter, calibration, prepared file; fatal when it cannot be done.
ZonePreparation prepare_run_zone(const Session& s, const MergeRun& run, size_t z);

// The output base name (position 12 or 10, or question 11): a name whose files, the four of
// the merge and those of `more_suffixes`, would replace an input is refused.
void name_outputs(const Session& s, const CommandLine& cl, MergeRun& run,
                  const std::vector<std::string>& more_suffixes);

// <out>.txt with its banner and <out>g.txt, the comparisons and the factors; <out>.hkl, the
// scaled records; <out>fin.hkl, the merge, the counts, the class and Rint. A space group
// without a Laue class is reported here and the run goes on without a merge. `on_factors` is
// called once the factors are known, before the scaled records are written.
void scale_and_merge(const Session& s, MergeRun& run,
                     const std::function<void(const MergeRun&)>& on_factors);

}  // namespace ped::merge
