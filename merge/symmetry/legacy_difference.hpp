// How the tool's own condition lists of a number differ from the conditions of the
// International Tables for its reference setting, computed from gemmi's absence test over a box
// of reflections.
#pragma once

#include <gemmi/symmetry.hpp>

#include <string>
#include <vector>

namespace ped::merge {

// A condition and up to two reflections that show it, the simplest first.
struct ConditionExamples {
    std::string text;
    std::vector<gemmi::Op::Miller> examples;
};

struct LegacyDifference {
    int number = 0;
    // Legacy conditions that remove reflections the group allows.
    std::vector<ConditionExamples> legacy_removes_allowed;
    // Conditions of the Tables that remove reflections the legacy lists keep.
    std::vector<ConditionExamples> tables_not_applied;
    bool empty() const { return legacy_removes_allowed.empty() && tables_not_applied.empty(); }
};

// Over every (h k l) from -box to box; empty outside 1 to 230.
LegacyDifference legacy_difference(int number, int box = 6);

}  // namespace ped::merge
