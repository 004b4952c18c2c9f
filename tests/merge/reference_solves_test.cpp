// The eliminations of the least squares against the routine the tools have always used, kept
// here as it was (fresh copies of both tables at every step): the in-place `inversemat` and the
// solves with every zone as reference must give the same bits on random, sparse and degenerate
// systems (zero pivots, negative zeros, infinities, not-a-numbers).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "merge/pipeline/reference_solves.hpp"

namespace ped::merge {
namespace {

// The routine as it was; the zero pivots it would say, one for each column.
int reference_inverse(Matrix& m, int n) {
    int said = 0;
    Matrix w = m, e(m.dimension());
    for (int i = 0; i < m.dimension(); ++i) e(i, i) = 1;
    Matrix w2 = w, e2 = e;
    for (int k = 0; k < n; ++k) {
        said += w(k, k) == 0 ? n : 0;
        for (int j = 0; j < n; ++j) {
            w2(k, j) = w(k, j) / w(k, k);
            e2(k, j) = e(k, j) / w(k, k);
        }
        w = w2;
        e = e2;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n && i != k; ++j) {
                w2(i, j) = w(i, j) - w(k, j) * w(i, k);
                e2(i, j) = e(i, j) - e(k, j) * w(i, k);
            }
        w = w2;
        e = m = e2;
    }
    return said;
}

bool same_bits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Systems of order n: 0 random dense, 1 a normal matrix of the least squares with pairs missing
// (zeros of both signs), 2 to 6 the same with one special entry (a zero pivot, infinities, a
// not-a-number, an entry whose products overflow).
Matrix system(int kind, int n, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(-2, 2);
    std::uniform_int_distribution<int> pick(0, 9);
    Matrix a(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a(i, j) = kind == 0       ? u(rng)
                      : i == j        ? 1 + n * std::fabs(u(rng))
                      : pick(rng) < 4 ? -0.0
                                      : -std::fabs(u(rng));
    const double inf = std::numeric_limits<double>::infinity();
    const double special[] = {0.0, inf, -inf, std::nan(""), 1e308};
    if (kind == 2)
        a(n / 2, n / 2) = 0;
    else if (kind > 2)
        a(pick(rng) % n, pick(rng) % n) = special[kind - 2];
    return a;
}

// The zero pivots `inversemat` said while `run` ran.
template <typename Run>
int zero_pivots_said(Run run) {
    testing::internal::CaptureStderr();
    run();
    const std::string said = testing::internal::GetCapturedStderr();
    int count = 0;
    for (size_t at = said.find("zero pivot"); at != std::string::npos;
         at = said.find("zero pivot", at + 1))
        ++count;
    return count;
}

TEST(Elimination, InPlaceAndSharedPivotsGiveTheSameBits) {
    std::mt19937 rng(7);
    for (int kind = 0; kind < 7; ++kind)
        for (int s = 1; s <= 19; ++s)
            for (int trial = 0; trial < 8; ++trial) {
                const Matrix a = system(kind, s, rng);
                Matrix expected(s + 2), got(s + 2), right(s);
                for (int i = 0; i < s; ++i)
                    for (int j = 0; j < s; ++j) {
                        expected(i, j) = got(i, j) = a(i, j);
                        right(i, j) = std::ldexp(a(j, i) + i, j % 5);
                    }
                expected(s, s + 1) = got(s, s + 1) = 5;  // outside the block: the identity's
                const int said = reference_inverse(expected, s);
                EXPECT_EQ(said, zero_pivots_said([&] { inversemat(got, s, "zero pivot"); }));
                for (int i = 0; i < s + 2; ++i)
                    for (int j = 0; j < s + 2; ++j)
                        ASSERT_TRUE(same_bits(expected(i, j), got(i, j))) << kind << s << i << j;
                const auto rhs = [&](int q) {
                    std::vector<double> v;
                    for (int j = 0; j < s; ++j)
                        if (j != q) v.push_back(right(q, j));
                    return v;
                };
                std::vector<std::vector<double>> solved;
                const int said_solving =
                    zero_pivots_said([&] { solved = reference_solves(a, rhs, "zero pivot"); });
                int said_before = 0;
                for (int q = 0; q < s; ++q) {
                    Matrix b(s);  // the reduced system, the legacy way
                    for (int i = 0; i < s - 1; ++i)
                        for (int j = 0; j < s - 1; ++j) b(i, j) = a(i + (i >= q), j + (j >= q));
                    said_before += reference_inverse(b, s - 1);
                    std::vector<double> v = rhs(q);
                    v.push_back(0);
                    produitmat(b, v, s - 1);
                    for (int i = 0; i < s - 1; ++i)
                        ASSERT_TRUE(same_bits(v[i], solved[q][i])) << kind << s << q << i;
                }
                EXPECT_EQ(said_before, said_solving) << kind << " " << s;
            }
}

}  // namespace
}  // namespace ped::merge
