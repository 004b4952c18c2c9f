#include "common/matrix.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace ped {

namespace {

// Four entries at a time; each gets its one product and one sum, rounded alone (the clone for
// AVX has no fused multiply-add), so the bits are those of the plain loop.
using Four = double __attribute__((vector_size(32)));

template <int Sign, bool Square>
__attribute__((always_inline)) inline void scaled(std::span<double> row, std::span<const double> v,
                                                  double f) {
    const Four times = {f, f, f, f};
    const size_t n = row.size();
    size_t j = 0;
    for (; j + 4 <= n; j += 4) {
        Four r, p;
        std::memcpy(&r, row.data() + j, sizeof r);
        std::memcpy(&p, v.data() + j, sizeof p);
        r = Sign > 0 ? r + p * (Square ? p : times) : r - p * times;
        std::memcpy(row.data() + j, &r, sizeof r);
    }
    for (; j < n; ++j) row[j] = Sign > 0 ? row[j] + v[j] * (Square ? v[j] : f) : row[j] - v[j] * f;
}

}  // namespace

__attribute__((target_clones("avx", "default"))) void subtract_scaled(std::span<double> row,
                                                                      std::span<const double> v,
                                                                      double f) {
    scaled<-1, false>(row, v, f);
}

__attribute__((target_clones("avx", "default"))) void add_scaled(std::span<double> row,
                                                                 std::span<const double> v,
                                                                 double f) {
    scaled<1, false>(row, v, f);
}

__attribute__((target_clones("avx", "default"))) void add_squares(std::span<double> row,
                                                                  std::span<const double> v) {
    scaled<1, true>(row, v, 0);
}

__attribute__((target_clones("avx", "default"))) void subtract_scaled_rows(
    std::span<double> row, size_t begin, size_t end, const double* rows, size_t stride,
    std::span<const double> f) {
    size_t j = begin;
    for (; j + 4 <= end; j += 4) {
        Four r;
        std::memcpy(&r, row.data() + j, sizeof r);
        for (size_t t = 0; t < f.size(); ++t) {
            Four p;
            std::memcpy(&p, rows + t * stride + j, sizeof p);
            const Four times = {f[t], f[t], f[t], f[t]};
            r = r - p * times;
        }
        std::memcpy(row.data() + j, &r, sizeof r);
    }
    for (; j < end; ++j)
        for (size_t t = 0; t < f.size(); ++t) row[j] = row[j] - rows[t * stride + j] * f[t];
}

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

// Gauss-Jordan on m itself and on e (the identity at first), in place: at pivot k,
// row k of both is divided by the pivot, then every other row i loses row k times its own entry
// of column k, read before the row changes. Every entry sees the same operations in the same
// order as when each step wrote into fresh copies, so the result is the same to the bit.
void inversemat(Matrix& m, int n, const char* zero_pivot_message) {
    if (n <= 0) return;
    const int d = m.dimension();
    if (n > d) throw std::out_of_range("inversemat: order above the matrix dimension");
    Matrix e(d);
    for (int i = 0; i < d; ++i) e(i, i) = 1;
    for (int k = 0; k < n; ++k) {
        const double pivot = m(k, k);
        double* wk = m.row(k).data();
        double* ek = e.row(k).data();
        for (int j = 0; j < n; ++j) {
            if (pivot == 0) std::perror(zero_pivot_message);
            wk[j] = wk[j] / pivot;
            ek[j] = ek[j] / pivot;
        }
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            double* wi = m.row(i).data();
            double* ei = e.row(i).data();
            const double f = wi[k];
            for (int j = 0; j < n; ++j) {
                wi[j] = wi[j] - wk[j] * f;
                ei[j] = ei[j] - ek[j] * f;
            }
        }
    }
    m = std::move(e);
}

}  // namespace ped
