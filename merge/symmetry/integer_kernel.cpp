#include "merge/symmetry/integer_kernel.hpp"

#include <cstdlib>

namespace ped::merge {

namespace {

// The column of row r with the smallest entry that is not 0 among those without a pivot.
int smallest_free(const gemmi::Op::Rot& a, int r, const bool pivot[3]) {
    int p = -1;
    for (int c = 0; c < 3; ++c)
        if (!pivot[c] && a[r][c] != 0 && (p < 0 || std::abs(a[r][c]) < std::abs(a[r][p]))) p = c;
    return p;
}

// Reduces the other free columns of row r by column p; true when they are all 0 there.
bool reduce_row(gemmi::Op::Rot& a, gemmi::Op::Rot& u, int r, int p, const bool pivot[3]) {
    bool alone = true;
    for (int c = 0; c < 3; ++c) {
        if (c == p || pivot[c] || a[r][c] == 0) continue;
        const int q = a[r][c] / a[r][p];
        for (int i = 0; i < 3; ++i) {
            a[i][c] -= q * a[i][p];
            u[i][c] -= q * u[i][p];
        }
        if (a[r][c] != 0) alone = false;
    }
    return alone;
}

}  // namespace

// Unimodular column operations bring a to a form with one pivot column per independent row;
// the columns of u that end up multiplying a zero column of a span the kernel.
std::vector<gemmi::Op::Miller> integer_kernel(gemmi::Op::Rot a) {
    gemmi::Op::Rot u = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    bool pivot[3] = {false, false, false};
    for (int r = 0; r < 3; ++r)
        for (int p = smallest_free(a, r, pivot); p >= 0; p = smallest_free(a, r, pivot))
            if (reduce_row(a, u, r, p, pivot)) {
                pivot[p] = true;
                break;
            }
    std::vector<gemmi::Op::Miller> basis;
    for (int c = 0; c < 3; ++c)
        if (!pivot[c]) basis.push_back({u[0][c], u[1][c], u[2][c]});
    return basis;
}

}  // namespace ped::merge
