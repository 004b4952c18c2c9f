// What gemmi's integer arithmetic lacks for the zones of reciprocal space: the lattice of the
// integer solutions of a x = 0 for an integer 3 by 3 matrix (a rotation of gemmi's, in its
// twenty-fourths, minus 24 times the identity: the reflections the rotation leaves in place).
#pragma once

#include <gemmi/symmetry.hpp>

#include <vector>

namespace ped::merge {

// A basis of the integer columns x with a x = 0; empty when only 0 solves it.
std::vector<gemmi::Op::Miller> integer_kernel(gemmi::Op::Rot a);

}  // namespace ped::merge
