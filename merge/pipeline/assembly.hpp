// Scaled data assembly: every prepared record, in zone order and file order, multiplied by its
// zone's factors, goes to the scaled file <out>.hkl and to the list that the merging consumes.
#pragma once

#include <vector>

#include "common/outfile.hpp"
#include "common/reflection.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/scale_factors.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

// A record of zone z multiplied by the zone's factors: I and sigma by the linear factor, g by
// the g factor.
Reflection scaled_record(const Reflection& r, const ScaleFactors& factors, size_t z);

// Writes the scaled file and returns the assembled list (full precision). A prepared file
// that cannot be read is skipped with a warning, and so is a record that its factors would
// make too large to be a number. With `zone_of`, element i receives the zone (from 0) of
// record i of the list.
std::vector<Reflection> assemble(const Session& s, PreparedFiles& files,
                                 const std::vector<Zone>& zones, const ScaleFactors& factors,
                                 OutFile& scaled, std::vector<int>* zone_of = nullptr);

}  // namespace ped::merge
