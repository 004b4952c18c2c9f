// The space group of a run as the stages use it: its setting, the reflection conditions the
// filter applies, in order, and the Laue group whose equivalents the merge groups.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "merge/symmetry/conditions.hpp"
#include "merge/symmetry/laue.hpp"
#include "merge/symmetry/reflection_conditions.hpp"
#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

// What the filter applies: one of the tool's own condition codes, or a reflection condition
// derived from the group's operations. `keeps` is false for the reflections it removes.
struct FilterCondition {
    int code = 0;                 // the code in the tool's catalogue; 0 for a derived condition
    std::string text;             // in the usual notation, "h0l: h + l = 2n"
    ReflectionCondition derived;  // the condition itself, when code is 0
    bool keeps(int h, int k, int l) const {
        return code != 0 ? condition_keeps(code, h, k, l) : derived.keeps(h, k, l);
    }
};

struct RunSymmetry {
    int number = 1;  // the space-group number the banner shows
    // The operations of the group: the setting --sg names, else the standard setting of the
    // number; none outside 1 to 230.
    std::optional<SpaceGroupSetting> setting;
    std::vector<FilterCondition> conditions;  // in the order the filter applies them
    std::optional<LaueGroup> laue;            // none when no Laue class applies (231 and above)

    // True when no condition removes the reflection.
    bool allowed(int h, int k, int l) const;
};

// The tool's own condition lists and Laue classes for a space-group number.
RunSymmetry legacy_symmetry(int space_group);

// A group in the setting a user named: the conditions derived from its operations, in the
// order reflection_conditions gives them, and its Laue group; the class line shows the symbol
// of that setting.
RunSymmetry setting_symmetry(const SpaceGroupSetting& group);

// A number (1 to 230) with the conditions of the International Tables for its standard
// setting, and its own Laue class as legacy_symmetry gives it.
RunSymmetry tables_symmetry(int space_group);

}  // namespace ped::merge
