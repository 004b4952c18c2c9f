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

// The JSON: numbers to 10 significant digits, null where the text shows "-".
std::string stats_json(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c);

// A name as the JSON holds it, valid UTF-8: UTF-8 text as it is; each byte of a sequence that
// is not UTF-8 (a Latin-1 name, say) as the Latin-1 letter it stands for.
std::string utf8_name(const std::string& text);

}  // namespace ped::merge
