// Integer 3 by 3 matrices and rows, as the symmetry code uses them: operations act on
// coordinates as columns (x' = R x) and on Miller indices as rows ((h' k' l') = (h k l) R).
#pragma once

#include <vector>

#include "merge/symmetry/symmetry.hpp"

namespace ped::merge::intmat {

// v modulo n, from 0 to n - 1 whatever the sign of v.
int wrap(long long v, int n);
int lcm(int a, int b);

IntMatrix identity_matrix();
IntMatrix product(const IntMatrix& a, const IntMatrix& b);
IntMatrix negated(const IntMatrix& a);
IntMatrix transposed(const IntMatrix& a);
long long determinant(const IntMatrix& a);

// (h k l) M, the indices of the reflection that M carries (h k l) to. Inline: the merge calls
// it for every operation of the Laue group on every reflection.
inline Triple row_times(long long h, long long k, long long l, const IntMatrix& m) {
    Triple r{};
    for (int j = 0; j < 3; ++j) r[j] = h * m[0][j] + k * m[1][j] + l * m[2][j];
    return r;
}

inline IntRow row_times(const IntRow& v, const IntMatrix& m) {
    const Triple r = row_times(v[0], v[1], v[2], m);
    return {static_cast<int>(r[0]), static_cast<int>(r[1]), static_cast<int>(r[2])};
}

// M x for a column x.
inline IntRow times_column(const IntMatrix& m, const IntRow& x) {
    IntRow r{};
    for (int i = 0; i < 3; ++i) r[i] = m[i][0] * x[0] + m[i][1] * x[1] + m[i][2] * x[2];
    return r;
}

// The order of a rotation (1 to 6), 0 when no power up to the sixth is the identity.
int order_of(const IntMatrix& m);

// A basis of the integer columns x with a x = 0.
std::vector<IntRow> kernel(IntMatrix a);

}  // namespace ped::merge::intmat
