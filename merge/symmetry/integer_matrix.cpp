#include "merge/symmetry/integer_matrix.hpp"

#include <cstdlib>
#include <numeric>

namespace ped::merge::intmat {

int wrap(long long v, int n) {
    const long long r = v % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

int lcm(int a, int b) {
    return a / std::gcd(a, b) * b;
}

IntMatrix identity_matrix() {
    return {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

IntMatrix product(const IntMatrix& a, const IntMatrix& b) {
    IntMatrix c{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) c[i][j] += a[i][k] * b[k][j];
    return c;
}

IntMatrix negated(const IntMatrix& a) {
    IntMatrix c = a;
    for (IntRow& row : c)
        for (int& v : row) v = -v;
    return c;
}

IntMatrix transposed(const IntMatrix& a) {
    IntMatrix c{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) c[i][j] = a[j][i];
    return c;
}

long long determinant(const IntMatrix& a) {
    const auto e = [&a](int i, int j) { return static_cast<long long>(a[i][j]); };
    return e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) -
           e(0, 1) * (e(1, 0) * e(2, 2) - e(1, 2) * e(2, 0)) +
           e(0, 2) * (e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0));
}

int order_of(const IntMatrix& m) {
    IntMatrix p = m;
    for (int n = 1; n <= 6; ++n) {
        if (p == identity_matrix()) return n;
        p = product(p, m);
    }
    return 0;
}

// A basis of the integer columns x with a x = 0, by unimodular column operations: the
// columns of u that end up multiplying a zero column of a.
std::vector<IntRow> kernel(IntMatrix a) {
    IntMatrix u = identity_matrix();
    bool pivot[3] = {false, false, false};
    for (int r = 0; r < 3; ++r) {
        for (;;) {
            int p = -1;
            for (int c = 0; c < 3; ++c)
                if (!pivot[c] && a[r][c] != 0 && (p < 0 || std::abs(a[r][c]) < std::abs(a[r][p])))
                    p = c;
            if (p < 0) break;
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
            if (alone) {
                pivot[p] = true;
                break;
            }
        }
    }
    std::vector<IntRow> basis;
    for (int c = 0; c < 3; ++c)
        if (!pivot[c]) basis.push_back({u[0][c], u[1][c], u[2][c]});
    return basis;
}

}  // namespace ped::merge::intmat
