// The space-group extinction filter (`exti`): removes from a zone the reflections that the
// space group forbids, one pass per condition code, echoing each removed record.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_file.hpp"

namespace ped::merge {

// One pass per condition of the group, in the group's order; each pass keeps the order of the
// records, and every record it removes is written on `echo` in the zone layout. With a `trace`
// text, each condition's code (the closing 0 included) is written before it is applied; a
// condition without a code is written by its text with `text_trace` when there is one. With
// `removed`, its element c receives the records that condition c removed, in order.
std::vector<ZoneRecord> filter_extinctions(std::vector<ZoneRecord> records,
                                           const std::vector<FilterCondition>& conditions,
                                           std::FILE* echo, const char* trace,
                                           const char* text_trace = nullptr,
                                           std::vector<std::vector<ZoneRecord>>* removed = nullptr);

// A zone file read and filtered.
struct ZoneFilter {
    int lines = 0;    // lines that are neither blank nor comments
    int skipped = 0;  // of those, the lines that are no record (said on standard error)
    std::vector<ZoneRecord> kept;
    std::vector<std::vector<ZoneRecord>> removed;  // by condition, as filter_extinctions gives
};

// Reads the zone file, takes every record through the zone layout and filters it. A zone file
// that cannot be read is fatal.
ZoneFilter exti(const Session& s, const std::string& zone_file, const RunSymmetry& symmetry);

}  // namespace ped::merge
