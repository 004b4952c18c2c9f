#include "merge/pipeline/reference_solves.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

namespace ped::merge {

namespace {

// A square table of order n in one block, row after row.
struct Table {
    int n = 0;
    std::vector<double> a;
    double* row(int i) { return a.data() + static_cast<size_t>(i) * static_cast<size_t>(n); }
};

// Steps of Gauss-Jordan are taken a few at a time, each row going through all of them while it
// is at hand; every entry still sees the operations of the steps one after another.
constexpr int kBlock = 8;

// Row i through the steps from + k .. to + k - 1 of the block that starts at pivot k, with the
// pivot rows saved in `saved`: at each, the row loses the pivot row times its own entry of the
// pivot's column, which becomes the inverse's 0 - (1 / pivot) * entry. False when a multiplier
// is not finite.
bool apply_steps(std::span<double> row, int k, int from, int to, const std::vector<double>& saved) {
    const size_t n = row.size();
    const auto p = [&saved, n](int u) { return saved.data() + static_cast<size_t>(u) * n; };
    std::array<double, kBlock> f;
    // The pivots' own columns first, step by step: they give the multipliers.
    for (int u = from; u < to; ++u) {
        f[u - from] = row[k + u];
        if (!std::isfinite(f[u - from])) return false;
        for (int c = k + from; c < k + to; ++c) row[c] = row[c] - p(u)[c] * f[u - from];
        row[k + u] = 0 - p(u)[k + u] * f[u - from];
    }
    if (from >= to) return true;
    // Every other column through all the steps.
    const std::span<const double> fs(f.data(), static_cast<size_t>(to - from));
    subtract_scaled_rows(row, 0, static_cast<size_t>(k + from), p(from), n, fs);
    subtract_scaled_rows(row, static_cast<size_t>(k + to), n, p(from), n, fs);
    return true;
}

// The pivot row at its own step: divided by the pivot, its column k becoming the inverse's
// 1 / pivot. False when the pivot is zero or not finite.
bool normalise(std::span<double> row, int k) {
    const double pivot = row[k];
    if (pivot == 0 || !std::isfinite(pivot)) return false;
    for (double& x : row) x = x / pivot;
    row[k] = 1 / pivot;
    return true;
}

// The steps at pivots k .. k + count - 1 on the combined table; false, with the table part way
// through, when a pivot or a multiplier breaks the scheme.
bool pivot_steps(Table& t, int k, int count, std::vector<double>& saved) {
    const size_t n = static_cast<size_t>(t.n);
    saved.resize(static_cast<size_t>(count) * n);
    for (int u = 0; u < count; ++u) {
        const std::span<double> row(t.row(k + u), n);
        if (!apply_steps(row, k, 0, u, saved) || !normalise(row, k + u)) return false;
        std::copy(row.begin(), row.end(), saved.begin() + static_cast<long>(u * n));
    }
    for (int i = 0; i < t.n; ++i) {
        const bool pivot_row = i >= k && i < k + count;
        if (!apply_steps({t.row(i), n}, k, pivot_row ? i - k + 1 : 0, count, saved)) return false;
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
        r.a.insert(r.a.end(), ri, ri + q);
        r.a.insert(r.a.end(), ri + q + 1, ri + t.n);
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
                                              std::vector<double>& saved) {
    Table reduced = without(shared, q);
    for (int k = q; k < reduced.n; k += kBlock)
        if (!pivot_steps(reduced, k, std::min(kBlock, reduced.n - k), saved)) return std::nullopt;
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
    std::vector<double> saved;
    bool shared_holds = true;
    for (int q = 0; q < s; ++q) {
        const std::vector<double> v = rhs(q);
        std::optional<std::vector<double>> x;
        if (shared_holds) x = solve_from(shared, q, v, saved);
        out.push_back(x ? std::move(*x) : solve_alone(a, q, v, zero_pivot_message));
        if (shared_holds && q + 1 < s) shared_holds = pivot_steps(shared, q, 1, saved);
    }
    return out;
}

}  // namespace ped::merge
