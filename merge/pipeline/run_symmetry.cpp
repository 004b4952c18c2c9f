#include "merge/pipeline/run_symmetry.hpp"

#include "merge/symmetry/conditions.hpp"

namespace ped::merge {

bool RunSymmetry::allowed(int h, int k, int l) const {
    for (const Condition& c : conditions)
        if (!c.keeps(h, k, l)) return false;
    return true;
}

RunSymmetry legacy_symmetry(int space_group) {
    RunSymmetry s;
    s.number = space_group;
    for (int code : condition_codes(space_group))
        s.conditions.push_back(
            {code, condition_text(code, space_group),
             [code](int h, int k, int l) { return condition_keeps(code, h, k, l); }});
    const int laue = laue_code(space_group);
    if (laue != 0) {
        s.laue_symbol = laue_symbol(laue);
        s.representative = [laue](int h, int k, int l) { return representative(laue, h, k, l); };
    }
    return s;
}

namespace {

std::vector<Condition> derived_conditions(const SpaceGroupSetting& group) {
    std::vector<Condition> out;
    for (const GroupCondition& c : reflection_conditions(group))
        out.push_back({0, c.text, [c](int h, int k, int l) { return c.keeps(h, k, l); }});
    return out;
}

}  // namespace

RunSymmetry setting_symmetry(const SpaceGroupSetting& group) {
    RunSymmetry s;
    s.number = group.number;
    s.conditions = derived_conditions(group);
    const LaueGroup laue = laue_group(group);
    s.laue_symbol = laue.symbol;
    s.representative = [laue](int h, int k, int l) { return representative(laue, h, k, l); };
    return s;
}

RunSymmetry tables_symmetry(int space_group) {
    RunSymmetry s = legacy_symmetry(space_group);
    const std::optional<SpaceGroupSetting> group = standard_setting(space_group);
    s.conditions = group ? derived_conditions(*group) : std::vector<Condition>{};
    return s;
}

}  // namespace ped::merge
