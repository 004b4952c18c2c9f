// gemmi 0.5.7 reads Hall symbols with faults that a typed symbol can reach: a screw without a
// principal axis ("P 6 21") writes outside an array, numbers of a change of basis overflow its
// integers, and a change of basis that is not unimodular makes it build a super-cell of any
// size. Only symbols clear of all three may be handed to it.
#pragma once

#include <string>

namespace ped::merge {

// True when gemmi's Hall parser reads the symbol without any of those faults (it may still
// refuse it, by an exception).
bool hall_symbol_is_safe(const std::string& symbol);

}  // namespace ped::merge
