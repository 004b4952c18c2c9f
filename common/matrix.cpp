#include "common/matrix.hpp"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace ped {

void copymat(const Matrix& source, Matrix& target) {
    target = source;
}

void produitmat(const Matrix& m, std::vector<double>& v, int n) {
    if (n > m.dimension() || static_cast<size_t>(std::max(n, 0)) > v.size())
        throw std::out_of_range("produitmat: order above the matrix dimension");
    std::vector<double> t(static_cast<size_t>(m.dimension()), 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) t[i] = t[i] + m(i, j) * v[j];
    for (int i = 0; i < n; ++i) v[i] = t[i];
}

void inversemat(Matrix& m, int n, const char* zero_pivot_message) {
    if (n <= 0) return;
    const int d = m.dimension();
    if (n > d) throw std::out_of_range("inversemat: order above the matrix dimension");
    Matrix w(d), e(d);
    copymat(m, w);
    for (int i = 0; i < d; ++i) e(i, i) = 1;
    Matrix w2 = w, e2 = e;
    for (int k = 0; k < n; ++k) {
        for (int j = 0; j < n; ++j) {
            if (w(k, k) == 0) std::perror(zero_pivot_message);
            w2(k, j) = w(k, j) / w(k, k);
            e2(k, j) = e(k, j) / w(k, k);
        }
        copymat(w2, w);
        copymat(e2, e);
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            for (int j = 0; j < n; ++j) {
                w2(i, j) = w(i, j) - w(k, j) * w(i, k);
                e2(i, j) = e(i, j) - e(k, j) * w(i, k);
            }
        }
        copymat(w2, w);
        copymat(e2, e);
        copymat(e, m);
    }
}

}  // namespace ped
