// The eliminations of the least squares against the routine the tools have always used, kept
// here as it was (fresh copies of both tables at every step): the in-place `inversemat` and the
// solves with every zone as reference must give the same bits on random, sparse and degenerate
// systems (zero pivots, negative zeros, infinities, not-a-numbers).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "common/matrix.hpp"
#include "merge/pipeline/reference_solves.hpp"

namespace ped::merge {
namespace {

const char* kPivot = "pivot GAUSS inversion impossible : division by 0\n";

void reference_inverse(Matrix& m, int n) {
    const int d = m.dimension();
    Matrix w = m, e(d);
    for (int i = 0; i < d; ++i) e(i, i) = 1;
    Matrix w2 = w, e2 = e;
    for (int k = 0; k < n; ++k) {
        for (int j = 0; j < n; ++j) {
            w2(k, j) = w(k, j) / w(k, k);
            e2(k, j) = e(k, j) / w(k, k);
        }
        w = w2;
        e = e2;
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            for (int j = 0; j < n; ++j) {
                w2(i, j) = w(i, j) - w(k, j) * w(i, k);
                e2(i, j) = e(i, j) - e(k, j) * w(i, k);
            }
        }
        w = w2;
        e = e2;
        m = e;
    }
}

bool same_bits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Systems of order n: 0 random dense, 1 a normal matrix of the least squares with pairs missing
// (zeros of both signs), 2 the same with zero and special entries planted.
Matrix system(int kind, int n, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(-2, 2);
    std::uniform_int_distribution<int> pick(0, 9);
    Matrix a(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a(i, j) = kind == 0 ? u(rng) : pick(rng) < 4 ? -0.0 : -std::fabs(u(rng));
    if (kind > 0)
        for (int i = 0; i < n; ++i) a(i, i) = 1 + n * std::fabs(u(rng));
    if (kind == 2) {
        const double special[] = {0.0, -0.0, std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(), 1e308};
        for (double x : special) a(pick(rng) % n, pick(rng) % n) = x;
        a(pick(rng) % n, pick(rng) % n) = 0;  // often a zero pivot, at a diagonal
        const int i = pick(rng) % n;
        a(i, i) = 0;
    }
    return a;
}

TEST(Elimination, InverseInPlaceGivesTheSameBits) {
    std::mt19937 rng(7);
    testing::internal::CaptureStderr();
    for (int kind = 0; kind < 3; ++kind)
        for (int n = 1; n <= 12; ++n)
            for (int trial = 0; trial < 20; ++trial) {
                Matrix a = system(kind, n, rng), expected(n + 3), got(n + 3);
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j) expected(i, j) = got(i, j) = a(i, j);
                expected(n, n + 1) = got(n, n + 1) = 5;  // outside the block: the identity's
                reference_inverse(expected, n);
                inversemat(got, n, kPivot);
                for (int i = 0; i < n + 3; ++i)
                    for (int j = 0; j < n + 3; ++j)
                        ASSERT_TRUE(same_bits(expected(i, j), got(i, j)))
                            << kind << " n=" << n << " (" << i << "," << j << ")";
            }
    testing::internal::GetCapturedStderr();
}

TEST(Elimination, SolvesWithEachReferenceGiveTheSameBits) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(-3, 3);
    testing::internal::CaptureStderr();
    for (int kind = 0; kind < 3; ++kind)
        for (int s = 1; s <= 14; ++s)
            for (int trial = 0; trial < 10; ++trial) {
                const Matrix a = system(kind, s, rng);
                Matrix right(s);
                for (int i = 0; i < s; ++i)
                    for (int j = 0; j < s; ++j) right(i, j) = u(rng);
                const auto rhs = [&](int q) {
                    std::vector<double> v;
                    for (int j = 0; j < s; ++j)
                        if (j != q) v.push_back(right(q, j));
                    return v;
                };
                const auto got = reference_solves(a, rhs, kPivot);
                for (int q = 0; q < s; ++q) {
                    Matrix b(s);  // the reduced system, the legacy way
                    for (int i = 0, r = 0; i < s; ++i)
                        if (i != q) {
                            for (int j = 0, c = 0; j < s; ++j)
                                if (j != q) b(r, c++) = a(i, j);
                            ++r;
                        }
                    reference_inverse(b, s - 1);
                    std::vector<double> v = rhs(q);
                    v.resize(static_cast<size_t>(s));
                    produitmat(b, v, s - 1);
                    for (int i = 0; i < s - 1; ++i)
                        ASSERT_TRUE(same_bits(v[i], got[q][i]))
                            << kind << " s=" << s << " q=" << q << " i=" << i;
                }
            }
    testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace ped::merge
