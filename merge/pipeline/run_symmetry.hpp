// The space group of a run as the stages use it: the reflection conditions the filter applies,
// in order, and the Laue class whose equivalents the merging groups.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "merge/symmetry/laue.hpp"
#include "merge/symmetry/symmetry.hpp"

namespace ped::merge {

// One reflection condition: `keeps` is false for the reflections it removes.
struct Condition {
    int code;          // the condition's code in the tool's catalogue, 0 for one not from it
    std::string text;  // in the usual notation, "h0l: h + l = 2n"
    std::function<bool(int h, int k, int l)> keeps;
};

// The representative of a reflection's class of equivalents.
using Representative = std::function<Triple(int h, int k, int l)>;

struct RunSymmetry {
    int number = 1;                     // the space-group number the banner shows
    std::vector<Condition> conditions;  // in the order the filter applies them
    std::string laue_symbol;            // the class line; "" when no Laue class applies
    Representative representative;      // empty when no Laue class applies

    // True when no condition removes the reflection.
    bool allowed(int h, int k, int l) const;
};

// The tool's own condition lists and Laue classes for a space-group number.
RunSymmetry legacy_symmetry(int space_group);

// A group in the setting a user named: the conditions derived from its operations (code 0),
// in the order reflection_conditions gives them, and its Laue group, whose largest equivalent
// stands for a class; the class line shows the symbol of that setting.
RunSymmetry setting_symmetry(const SpaceGroupSetting& group);

// A number (1 to 230) with the conditions of the International Tables for its standard
// setting, and its own Laue class as legacy_symmetry gives it.
RunSymmetry tables_symmetry(int space_group);

}  // namespace ped::merge
