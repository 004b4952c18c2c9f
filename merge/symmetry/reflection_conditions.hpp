// The reflection conditions of a space group in any setting, derived from its operations: a
// reflection (h k l) that an operation (R, t) leaves in place, (h k l) R = (h k l), is absent
// when (h k l) . t is not an integer, and every centring vector c requires (h k l) . c to be
// one. Two kinds, from the narrowest: the condition on one zone of reciprocal space, and the
// reflection condition as the International Tables report it, over the zones the Laue group
// relates. (What the merge's filter applies, these or the tool's own codes, is a
// FilterCondition of the pipeline.)
#pragma once

#include <string>
#include <vector>

#include "merge/symmetry/congruence.hpp"
#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

// A condition on one zone of reciprocal space: the reflections that `fixed` leaves in place
// must satisfy every rule. The centring condition has the identity as `fixed` and holds for
// every reflection.
struct ZoneCondition {
    std::string text;  // "h0l: l = 2n", "hh-2hl: l = 2n", "hkl: h + k = 2n"
    gemmi::Op::Rot fixed{};
    std::vector<Congruence> rules;
    bool in_zone(int h, int k, int l) const;
    bool keeps(int h, int k, int l) const;
};

// A reflection condition as reported: zone conditions that the Laue group carries into each
// other, named after the first, as the International Tables name "0kl: k + l = 4n" for the
// three zones of a cubic d glide. A reflection is kept when every zone condition keeps it.
struct ReflectionCondition {
    std::string text;
    std::vector<ZoneCondition> zones;
    bool keeps(int h, int k, int l) const;
};

// The reflection conditions of the group: the centring first, then planes, then rows. A
// condition implied by the centring or by a condition on a zone that contains its own is left
// out; together they remove exactly the systematic absences.
std::vector<ReflectionCondition> reflection_conditions(const SpaceGroupSetting& group);

}  // namespace ped::merge
