// The files the options --stats and --absences add to a run: their options, their names, and
// their writing from what the run has at its end.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/command_line.hpp"
#include "common/unit_cell.hpp"
#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/questions.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/scale_factors.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/reports/statistics.hpp"
#include "merge/pipeline/symmetry_merge.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

struct ReportOptions {
    bool stats = false;     // <out>_stats.txt and <out>_stats.json
    bool absences = false;  // <out>_absences.txt
    int shells = 10;
    std::optional<UnitCell> cell;  // from --cell or --cell-file
    std::string cell_file;         // the input --cell-file names
};

// Reads them; a bad value, a cell file that cannot be read or holds no good cell, and --cell
// with --cell-file are fatal. --shells without --stats, and a cell that neither the statistics
// nor the exported files (--shelx, --cif) use, are said to be unused.
ReportOptions report_options(const Session& s, const CommandLine& cl);

inline constexpr const char* kStatsText = "_stats.txt";
inline constexpr const char* kStatsJson = "_stats.json";
inline constexpr const char* kAbsences = "_absences.txt";

// The suffixes of the output base name the options add.
std::vector<std::string> report_suffixes(const ReportOptions& o);

// The merged reflections of the merged file (those written: finite) with the observations of
// their groups: `zone_of` gives the zone of each record of the assembled list.
std::vector<MergedGroup> merged_groups(const MergeResult& m, const std::vector<Reflection>& list,
                                       const std::vector<int>& zone_of);

// Writes <out>_stats.txt and <out>_stats.json.
void write_statistics(const Session& s, const ReportOptions& o, const RunParams& p,
                      const RunSymmetry& symmetry, const std::vector<Zone>& zones,
                      const ScaleFactors& factors, const std::vector<MergedGroup>& groups);

// Writes <out>_absences.txt.
void write_absences(const Session& s, const RunParams& p, const RunSymmetry& symmetry,
                    const std::vector<Zone>& zones, const std::vector<ZonePreparation>& prepared);

}  // namespace ped::merge
