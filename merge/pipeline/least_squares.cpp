#include "merge/pipeline/least_squares.hpp"

#include <cmath>
#include <limits>

#include "merge/pipeline/reference_solves.hpp"
#include "merge/pipeline/zone_graph.hpp"

namespace ped::merge {

namespace {

// Zones linked through pairs with a value, labelled by the smallest zone of their group.
std::vector<int> linked_groups(const PairTable& t) {
    Counts linked(static_cast<size_t>(t.n), std::vector<int>(static_cast<size_t>(t.n), 0));
    for (int i = 0; i < t.n; ++i)
        for (int j = 0; j < t.n; ++j)
            if (i != j && (t.at(i, j) || t.at(j, i))) linked[i][j] = 1;
    const ZoneGraph graph(linked);
    std::vector<int> group(static_cast<size_t>(t.n), -1);
    for (int c = 0; c < t.n; ++c) {
        if (group[c] >= 0) continue;
        const std::vector<bool> reached = graph.reached(c, -1);
        for (int z = c; z < t.n; ++z)
            if (reached[z]) group[z] = c;
    }
    return group;
}

// S[i][j] = R[i][j] + R[j][i], a pair without a value counting 0.
Matrix pair_sums(const PairTable& t) {
    Matrix sum(t.n);
    for (int i = 0; i < t.n; ++i)
        for (int j = 0; j < t.n; ++j)
            sum(i, j) = t.at(i, j).value_or(0.0) + t.at(j, i).value_or(0.0);
    return sum;
}

// The normal matrix A: A[i][i] = d[i], the sum over j != i of (1 + R[j][i]^2), A[i][j] =
// -S[i][j]. Pairs without a value are left out of every sum (a term 1 stands for R[i][j] and
// R[j][i]^2 for R[j][i]).
Matrix normal_matrix(const PairTable& t, const Matrix& sum) {
    const int n = t.n;
    Matrix normal(n);
    for (int i = 0; i < n; ++i) {
        double d = 0;
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            const bool forward = t.at(i, j).has_value(), back = t.at(j, i).has_value();
            const double r = t.at(j, i).value_or(0.0);
            if (forward && back)
                d = d + (1 + r * r);
            else if (forward)
                d = d + 1;
            else if (back)
                d = d + r * r;
        }
        for (int j = 0; j < n; ++j) normal(i, j) = j == i ? d : -sum(i, j);
    }
    return normal;
}

// The reduced systems of one group of linked zones, each with one of them as reference (its
// factor fixed at 1), over the other zones of the group: a zone that shares nothing would make
// every other system singular. Row p of `k` receives the factors of reference p (not a number
// for the zones outside p's group); `finite[p]` false when the solve gave a value that is not
// one.
void solve_group(const std::vector<int>& members, const Matrix& normal, const Matrix& sum,
                 const char* zero_pivot_message, Matrix& k, std::vector<bool>& finite) {
    const int s = static_cast<int>(members.size());
    Matrix a(s);
    for (int u = 0; u < s; ++u)
        for (int w = 0; w < s; ++w) a(u, w) = normal(members[u], members[w]);
    const auto rhs = [&](int q) {
        std::vector<double> v;
        for (int u = 0; u < s; ++u)
            if (u != q) v.push_back(sum(members[q], members[u]));
        return v;
    };
    const std::vector<std::vector<double>> x = reference_solves(a, rhs, zero_pivot_message);
    for (int q = 0; q < s; ++q) {
        const int p = members[q];
        k(p, p) = 1;
        finite[p] = true;
        for (int u = 0, at = 0; u < s; ++u) {
            if (u == q) continue;
            const double value = x[q][at++];
            k(p, members[u]) = value;
            if (!std::isfinite(value)) finite[p] = false;
        }
    }
}

// Each zone's factor: the mean of its values over the finite solves of its group, divided by
// zone 1's mean. A zone that no solve but its own determines keeps 1 (`kept_one`); a zone of
// another group than zone 1's is not tied to it (`not_tied`).
void average_factors(const Matrix& k, const std::vector<bool>& finite,
                     const std::vector<int>& group, FactorSolution& out) {
    const int n = k.dimension();
    std::vector<double> raw(static_cast<size_t>(n), 1.0);
    std::vector<bool> determined(static_cast<size_t>(n), false);
    for (int c = 0; c < n; ++c) {
        double total = 0;
        int count = 0;
        for (int p = 0; p < n; ++p) {
            if (!finite[p] || group[p] != group[c]) continue;
            total += k(p, c);
            ++count;
            if (p != c) determined[c] = true;
        }
        if (count > 0) raw[c] = total / count;
    }
    const double first = n > 0 ? raw[0] : 1;
    out.factors.resize(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        out.factors[c] = raw[c] / first;
        if (c > 0 && (!determined[c] || !std::isfinite(out.factors[c]))) {
            out.factors[c] = 1;
            out.kept_one.push_back(c);
        } else if (c > 0 && group[c] != group[0]) {
            out.not_tied.push_back(c);
        }
    }
    if (n > 0) out.factors[0] = 1;
}

// Each row divided by its first value.
Matrix normalised_rows(Matrix rows) {
    for (int i = 0; i < rows.dimension(); ++i) {
        const double head = rows(i, 0);
        for (double& x : rows.row(i)) x = x / head;
    }
    return rows;
}

}  // namespace

FactorSolution solve_factors(const PairTable& t, const char* zero_pivot_message) {
    FactorSolution out;
    const Matrix sum = pair_sums(t);
    out.normal = normal_matrix(t, sum);
    const std::vector<int> group = linked_groups(t);
    out.k = Matrix(t.n, std::numeric_limits<double>::quiet_NaN());
    std::vector<bool> finite(static_cast<size_t>(t.n));
    for (int label = 0; label < t.n; ++label) {
        std::vector<int> members;  // the group's zones, in zone order
        for (int c = 0; c < t.n; ++c)
            if (group[c] == label) members.push_back(c);
        if (!members.empty())
            solve_group(members, out.normal, sum, zero_pivot_message, out.k, finite);
    }
    average_factors(out.k, finite, group, out);
    out.normalised = normalised_rows(out.k);
    return out;
}

}  // namespace ped::merge
