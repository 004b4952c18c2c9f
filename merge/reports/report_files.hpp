// The files the options --stats and --absences add to a run: their names, and their writing
// from what the run has at its end.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "merge/pipeline/merge_run.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/reports/statistics.hpp"

namespace ped::merge {

inline constexpr const char* kStatsText = "_stats.txt";
inline constexpr const char* kStatsJson = "_stats.json";
inline constexpr const char* kAbsences = "_absences.txt";

// The suffixes of the output base name the options add.
std::vector<std::string> report_suffixes(const MergeOptions& o);

// The merged reflections of the merged file (those written: finite) with the observations of
// their groups: `zone_of` gives the zone of each record of the assembled list.
std::vector<MergedGroup> merged_groups(const MergeResult& m, const std::vector<Reflection>& list,
                                       const std::vector<int>& zone_of);

// The shell table of a run with a merge, as --stats writes it: its shells by g, with the
// completeness when --cell or --cell-file gives a cell. `counted` as shell_table gives it.
ShellTable run_shell_table(const MergeRun& run, const std::vector<MergedGroup>& groups,
                           bool* counted = nullptr);

// Writes <out>_stats.txt and <out>_stats.json (the run has a merge).
void write_statistics(const Session& s, const MergeRun& run);

// Writes <out>_absences.txt.
void write_absences(const Session& s, const MergeRun& run);

}  // namespace ped::merge
