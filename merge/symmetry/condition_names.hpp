// How reflection conditions are written, as the International Tables write them: the zone in
// three indices ("h0l", "hhl") or four in hexagonal axes ("h-h0l", "000l"), then its rules
// ("h0l: h + l = 2n"); and which zone of a symmetry-related set names the set.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "merge/symmetry/reciprocal_zones.hpp"

namespace ped::merge::zones {

// "h + k", "2h + l", "-h + k + l": the left side of a congruence.
std::string linear_form(const gemmi::Op::Miller& coef);

// "k + l = 4n, k, l = 2n": larger moduli first, sides of one modulus together.
std::string rules_text(std::vector<Congruence> rules);

// True when a threefold axis runs along c: the zones are then named with four indices.
bool hexagonal_axes(const gemmi::GroupOps& ops);

// "h0l", "hh-2hl", "000l"; a zone that no pair of its indices can name is given by its
// equations ("hkl with 3h + 2k = 0").
std::string zone_name(const ReciprocalZone& z, bool hexagonal);

// Which zone of a symmetry-related set names the set, as the International Tables choose:
// fewest minus signs, then 0kl before h0l and hhl before hkh, h00 before 0k0 before 00l, and
// in four indices h-h0l and hh-2hl. The smallest key names the set.
using NameKey = std::tuple<int, gemmi::Op::Miller, std::string>;
NameKey name_key(const ReciprocalZone& z, const std::string& name, bool hexagonal);

}  // namespace ped::merge::zones
