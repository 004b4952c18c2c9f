// The solves of the least squares with each zone of a group as reference: for a system A of
// order s and each q, the system A without row and column q, inverted by `inversemat` and
// multiplied by its right-hand side by `produitmat`. These results are printed, so each must
// come out to the bit as those two routines give it, and there are s of them.
//
// Gauss-Jordan without row exchange takes the pivots in order, and the system without q takes
// those of A before q with the same operations on every entry they share: the steps before q
// are done once, on A, and each reduced system goes on from there. Each reduced system is kept
// in one table (the columns of the pivots taken hold the inverse, the others what is left of
// the system), which does the operations of `inversemat` on the entries that are not known to
// be zero. Those known zeros may end with another sign, which no product of `produitmat`
// notices. The scheme holds while every pivot is finite and not zero and every multiplier is
// finite; otherwise the system is solved by `inversemat` itself, which also says the zero pivot.
#pragma once

#include <functional>
#include <vector>

#include "common/matrix.hpp"

namespace ped::merge {

// The right-hand side of the system without q (s - 1 values, in the order of the rows left).
using RightHandSide = std::function<std::vector<double>(int q)>;

// For each q of 0..s-1, the solution of A without row and column q (s - 1 values).
std::vector<std::vector<double>> reference_solves(const Matrix& a, const RightHandSide& rhs,
                                                  const char* zero_pivot_message);

}  // namespace ped::merge
