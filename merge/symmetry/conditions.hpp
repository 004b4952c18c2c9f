// Reflection conditions of the space groups: the catalogue of condition codes and, for each
// space-group number, the codes that apply (conditions_table.cpp).
#pragma once

#include <string>
#include <vector>

namespace ped::merge {

inline constexpr int kConditionCodes = 36;

// The condition codes of a space group, in the order the filter applies them. Empty for a
// group without conditions and for a number outside 1 to 230.
std::vector<int> condition_codes(int space_group);

// True when the reflection lies outside the code's zone or satisfies the code's condition.
bool condition_keeps(int code, int h, int k, int l);

// The condition of a code in the usual notation ("h0l: h + l = 2n"), with four-index zones for
// the hexagonal numbers 143 to 194 ("000l: l = 2n"); "" for no code. A code that covers a set
// of symmetry-related zones is named after one of them.
std::string condition_text(int code, int number);

}  // namespace ped::merge
