#include "merge/run_symmetry.hpp"

#include "merge/conditions.hpp"

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

}  // namespace ped::merge
