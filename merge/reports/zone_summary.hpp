// What the run says on standard error so that no data are lost without a word: one line per
// zone with what became of its records, and warnings about the zone list, the space group,
// empty zones and Friedel-merge calibrations far from the file's g.
#pragma once

#include <vector>

#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

// A calibration is questioned when the median of calibrated g / file g is further than this
// from 1.
inline constexpr double kCalibrationTolerance = 0.02;

// A zone named again in the list, under its name or another that reaches the same file (each
// repeat, with the first zone of that file).
void warn_repeated_zones(const Session& s, const std::vector<Zone>& zones);

// A space-group number outside 1 to 230.
void warn_space_group(const Session& s, int space_group);

// The line of zone `z` (from 0) and its warnings.
void say_zone(const Session& s, size_t z, const Zone& zone, const ZonePreparation& p);

}  // namespace ped::merge
