// Space groups in any setting, through gemmi: a user's symbol resolved to the group's
// operations (space_group_symbol.cpp), the reflection conditions derived from them
// (reflection_conditions.cpp, with reciprocal_zones and condition_names), the Laue group that
// merges equivalents (laue_group.cpp), and how the legacy condition lists of a number differ
// from the International Tables (legacy_difference.cpp). gemmi stays inside those .cpp files;
// this header holds only plain data.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "merge/symmetry/laue.hpp"

namespace ped::merge {

using IntRow = std::array<int, 3>;
using IntMatrix = std::array<IntRow, 3>;

// coef . (h, k, l) = 0 (mod modulus), as the text "h + k = 2n" states it.
struct Congruence {
    IntRow coef{};
    int modulus = 1;
    bool holds(int h, int k, int l) const;
};

// A condition on one zone of reciprocal space: the reflections that `fixed` leaves in place
// ((h k l) fixed = (h k l)) must satisfy every rule. The centring condition has the identity
// as `fixed` and holds for every reflection.
struct ZoneCondition {
    std::string text;  // "h0l: l = 2n", "hh-2hl: l = 2n", "hkl: h + k = 2n"
    IntMatrix fixed{};
    int dimension = 3;  // 1 a row, 2 a plane, 3 every reflection
    std::vector<Congruence> rules;
    bool in_zone(int h, int k, int l) const;
    bool keeps(int h, int k, int l) const;
};

// One condition as the tool reports it: zone conditions that the Laue group carries into each
// other, named after the first, as the International Tables name "0kl: k + l = 4n" for the
// three zones of a cubic d glide. A reflection is kept when every zone condition keeps it.
struct GroupCondition {
    std::string text;
    std::vector<ZoneCondition> zones;
    bool keeps(int h, int k, int l) const;
};

// A space group in one setting. Matrices act on coordinates (x' = R x) and on indices as a
// row, (h' k' l') = (h k l) R; translations are in 24ths.
inline constexpr int kTranslationDenominator = 24;

struct SpaceGroupSetting {
    std::string name;  // gemmi's symbol ("P 1 21/c 1", "R -3 c:H"), or the Hall symbol given
                       // for a setting outside gemmi's table
    std::string hall;
    int number = 0;                    // 1 to 230; 0 for a setting outside gemmi's table
    std::vector<IntMatrix> rotations;  // identity first
    std::vector<IntRow> translations;  // one per rotation
    std::vector<IntRow> centring;      // zero vector first
};

// The group a user names: a number 1 to 230 (gemmi's reference setting: origin choice 2 where
// there are two, hexagonal axes for R), a Hermann-Mauguin symbol in any setting of gemmi's
// table, with or without spaces ("P b n m", "Pbnm", "P 1 21/n 1", "P21/n", "R -3 :R",
// "Pnnn:2"; "2_1" and "2(1)" for 21; cubic symbols without the bar, "Fd3m"), or a Hall symbol
// ("-P 2ybc"; "Hall: P 2" for one that also reads as a Hermann-Mauguin symbol, here P 1 2 1).
// Surrounding blanks are ignored. No value for any other text.
std::optional<SpaceGroupSetting> find_space_group(const std::string& text);

// The group of a number in its reference setting (the setting --ita uses); no value outside
// 1 to 230.
std::optional<SpaceGroupSetting> standard_setting(int number);

// The reflection conditions of the group, derived from its operations: the centring first,
// then planes, then rows. A condition implied by the centring or by a condition on a zone that
// contains its own is left out; together they remove exactly the systematic absences.
std::vector<GroupCondition> reflection_conditions(const SpaceGroupSetting& group);

// The index of the first condition that (h k l) fails, or -1 when it passes them all.
int first_failed(const std::vector<GroupCondition>& conditions, int h, int k, int l);

// The Laue group of a setting: the rotations of the point group and their products with the
// inversion, acting on (h k l) in the setting's basis.
struct LaueGroup {
    std::string class_name;  // gemmi's Laue class: "-1", "2/m", "mmm", ..., "-3m", "m-3m"
    std::string symbol;      // as the console shows it: -3m split into -3m1 and -31m in
                             // hexagonal axes, 2/m as "1 2/m 1", "1 1 2/m" or "2/m 1 1"
    std::vector<IntMatrix> operations;  // identity first
};

LaueGroup laue_group(const SpaceGroupSetting& group);

// The distinct reflections equivalent to (h k l), itself first.
std::vector<Triple> equivalents(const LaueGroup& laue, int h, int k, int l);

// The largest of them: one reflection that stands for the whole class.
Triple representative(const LaueGroup& laue, int h, int k, int l);

// A condition and up to two reflections that show it.
struct ConditionExamples {
    int code = 0;  // the legacy code; 0 for a condition of the Tables
    std::string text;
    std::vector<Triple> examples;
};

// How the legacy lists of a number differ from the conditions of its reference setting over
// every (h k l) from -box to box.
struct LegacyDifference {
    int number = 0;
    // Legacy conditions that remove reflections the group allows.
    std::vector<ConditionExamples> legacy_removes_allowed;
    // Conditions of the Tables that remove reflections the legacy lists keep.
    std::vector<ConditionExamples> tables_not_applied;
    bool empty() const { return legacy_removes_allowed.empty() && tables_not_applied.empty(); }
};

LegacyDifference legacy_difference(int number, int box = 6);

}  // namespace ped::merge
