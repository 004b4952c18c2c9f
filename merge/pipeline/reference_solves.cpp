#include "merge/pipeline/reference_solves.hpp"

#include <cmath>
#include <optional>

namespace ped::merge {

namespace {

// A square table of order n in one block, row after row.
struct Table {
    int n = 0;
    std::vector<double> a;
    double* row(int i) { return a.data() + static_cast<size_t>(i) * static_cast<size_t>(n); }
};

// One step of Gauss-Jordan at pivot k on the combined table: row k divided by the pivot, its
// column k becoming the inverse's 1 / pivot; every other row losing row k times its entry of
// column k, which becomes the inverse's 0 - (1 / pivot) * entry. False, with the table part
// way through, when the pivot or a multiplier breaks the scheme.
bool pivot_step(Table& t, int k, std::vector<double>& pivot_row) {
    double* rk = t.row(k);
    const double pivot = rk[k];
    if (pivot == 0 || !std::isfinite(pivot)) return false;
    for (int j = 0; j < t.n; ++j) rk[j] = rk[j] / pivot;
    rk[k] = 1 / pivot;
    pivot_row.assign(rk, rk + t.n);
    for (int i = 0; i < t.n; ++i) {
        if (i == k) continue;
        double* ri = t.row(i);
        const double f = ri[k];
        if (!std::isfinite(f)) return false;
        subtract_scaled({ri, static_cast<size_t>(t.n)}, pivot_row, f);
        ri[k] = 0 - pivot_row[k] * f;
    }
    return true;
}

// The table without row and column q.
Table without(Table& t, int q) {
    Table r{t.n - 1, {}};
    r.a.reserve(static_cast<size_t>(r.n) * static_cast<size_t>(r.n));
    for (int i = 0; i < t.n; ++i) {
        if (i == q) continue;
        const double* ri = t.row(i);
        for (int j = 0; j < t.n; ++j)
            if (j != q) r.a.push_back(ri[j]);
    }
    return r;
}

// The inverse times the right-hand side, summed as `produitmat` sums.
std::vector<double> times(Table& inverse, const std::vector<double>& v) {
    std::vector<double> t(static_cast<size_t>(inverse.n), 0.0);
    for (int i = 0; i < inverse.n; ++i) {
        const double* ri = inverse.row(i);
        for (int j = 0; j < inverse.n; ++j) t[i] = t[i] + ri[j] * v[j];
    }
    return t;
}

// The system without q solved from the shared steps (the first q pivots taken); none when the
// scheme breaks.
std::optional<std::vector<double>> solve_from(Table& shared, int q, const std::vector<double>& v,
                                              std::vector<double>& pivot_row) {
    Table reduced = without(shared, q);
    for (int k = q; k < reduced.n; ++k)
        if (!pivot_step(reduced, k, pivot_row)) return std::nullopt;
    return times(reduced, v);
}

// The system without q solved by `inversemat` and `produitmat` themselves.
std::vector<double> solve_alone(const Matrix& a, int q, std::vector<double> v,
                                const char* zero_pivot_message) {
    const int s = a.dimension(), m = s - 1;
    Matrix b(m);
    for (int i = 0, u = 0; i < s; ++i) {
        if (i == q) continue;
        for (int j = 0, w = 0; j < s; ++j)
            if (j != q) b(u, w++) = a(i, j);
        ++u;
    }
    inversemat(b, m, zero_pivot_message);
    produitmat(b, v, m);
    return v;
}

}  // namespace

std::vector<std::vector<double>> reference_solves(const Matrix& a, const RightHandSide& rhs,
                                                  const char* zero_pivot_message) {
    const int s = a.dimension();
    Table shared{s, {}};
    for (int i = 0; i < s; ++i) shared.a.insert(shared.a.end(), a.row(i).begin(), a.row(i).end());
    std::vector<std::vector<double>> out;
    std::vector<double> pivot_row;
    bool shared_holds = true;
    for (int q = 0; q < s; ++q) {
        const std::vector<double> v = rhs(q);
        std::optional<std::vector<double>> x;
        if (shared_holds) x = solve_from(shared, q, v, pivot_row);
        out.push_back(x ? std::move(*x) : solve_alone(a, q, v, zero_pivot_message));
        if (shared_holds && q + 1 < s) shared_holds = pivot_step(shared, q, pivot_row);
    }
    return out;
}

}  // namespace ped::merge
