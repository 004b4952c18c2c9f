#include "merge/pipeline/run_symmetry.hpp"

#include <algorithm>

namespace ped::merge {

namespace {

std::vector<FilterCondition> derived_conditions(const std::optional<SpaceGroupSetting>& group) {
    std::vector<FilterCondition> out;
    if (group)
        for (const ReflectionCondition& c : reflection_conditions(*group))
            out.push_back({0, c.text, c});
    return out;
}

}  // namespace

bool RunSymmetry::allowed(int h, int k, int l) const {
    return std::all_of(conditions.begin(), conditions.end(),
                       [&](const FilterCondition& c) { return c.keeps(h, k, l); });
}

RunSymmetry legacy_symmetry(int space_group) {
    RunSymmetry s{space_group, standard_setting(space_group), {}, legacy_laue_group(space_group)};
    for (int code : condition_codes(space_group))
        s.conditions.push_back({code, condition_text(code, space_group), {}});
    return s;
}

RunSymmetry setting_symmetry(const SpaceGroupSetting& group) {
    return {group.number, group, derived_conditions(group), laue_group(group)};
}

RunSymmetry tables_symmetry(int space_group) {
    RunSymmetry s = legacy_symmetry(space_group);
    s.conditions = derived_conditions(s.setting);
    return s;
}

}  // namespace ped::merge
