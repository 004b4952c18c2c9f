// The space-group extinction filter (`exti`): removes from a zone the reflections that the
// space group forbids, one pass per condition code, echoing each removed record.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "merge/run_symmetry.hpp"
#include "merge/session.hpp"
#include "merge/zone_file.hpp"

namespace ped::merge {

// One pass per condition of the group, in the group's order; each pass keeps the order of the
// records, and every record it removes is written on `echo` in the zone layout. With a `trace`
// text, each condition's code (the closing 0 included) is written before it is applied; a
// condition without a code is written by its text with `text_trace` when there is one.
std::vector<ZoneRecord> filter_extinctions(std::vector<ZoneRecord> records,
                                           const std::vector<Condition>& conditions,
                                           std::FILE* echo, const char* trace,
                                           const char* text_trace = nullptr);

// Reads the zone file, takes every record through the zone layout and filters it. False, after
// `error`, when the zone file cannot be read (`kept` is then empty).
bool exti(const Session& s, const std::string& zone_file, const RunSymmetry& symmetry,
          std::vector<ZoneRecord>& kept);

}  // namespace ped::merge
