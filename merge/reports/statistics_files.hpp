// The merging statistics as files: <out>_stats.txt, the tables a person reads, and
// <out>_stats.json, the same numbers for scripts. Both are written in English by both builds.
#pragma once

#include <string>
#include <vector>

#include "common/unit_cell.hpp"
#include "merge/reports/statistics.hpp"

namespace ped::merge {

// What the files say about the run besides the tables.
struct StatsContext {
    std::string scaled, merged;  // <out>.hkl and <out>fin.hkl
    int space_group = 1;
    std::string laue_class;
    double gmin = 0, gmax = 100;
    const UnitCell* cell = nullptr;  // null without a cell
    int shells_wanted = 10;
};

std::string stats_text(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c);
std::string stats_json(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c);

// A JSON string literal: quotes, backslashes, control characters and DEL escaped; UTF-8 text
// as it is; each byte of a sequence that is not UTF-8 (a Latin-1 name, say) escaped as the
// Latin-1 letter it stands for, so that the file stays valid JSON.
std::string json_string(const std::string& text);

}  // namespace ped::merge
