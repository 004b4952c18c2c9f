// How well each zone's scale factors are determined, on standard error: one line per zone with
// both factors, their standard uncertainties and what ties the zone to zone 1.
#pragma once

#include <vector>

#include "merge/pipeline/scale_factors.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

// One line per zone; then a warning for each factor that fewer than three reflections tie to
// zone 1.
void report_uncertainties(const Session& s, const std::vector<Zone>& zones,
                          const ScaleFactors& factors);

}  // namespace ped::merge
