// The units of the cell tool where the stored cases do not reach: the window's edges, the
// g-limit checks, fits on either side of 90 degrees and degenerate ones (the names and the final
// report are pinned by the stored cases).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cell/fit.hpp"
#include "cell/questions.hpp"
#include "common/unit_cell.hpp"
#include "harness.hpp"

namespace ped::cell {
namespace {

TEST(Selection, BoundsAndThresholdBelongToTheWindowAndGLimits) {
    const std::vector<Reflection> rs = {
        {1, 0, 0, 2.0, 1, 0.5},         {2, 0, 0, 5.0, 1, 1.0},   {3, 0, 0, 5.0, 1, 0.4999},
        {4, 0, 0, 5.0, 1, 1.0001},      {5, 0, 0, 1.999, 1, 0.7}, {6, 0, 0, 0, 0, 0.7},  // 0 / 0
        {7, 0, 0, std::nan(""), 1, 0.7}};
    std::vector<Selected> set;
    select_window(candidates_of(rs), 2, 0.5, 1.0, set);
    std::string kept;
    for (const Selected& s : set) kept += std::to_string(s.h);
    EXPECT_EQ(kept, "1267");
    narrow_window(set, 0.7);
    EXPECT_EQ(set.size(), 3u);

    // The limits of the scan: at least 0.5 apart, at most 100, and steps of 0.25 that move.
    EXPECT_STREQ(g_limits_fault(1, 1.4), "gmin et gmax sont trop proches");
    EXPECT_STREQ(g_limits_fault(1, 1.5), "gmin et gmax sont trop proches");
    EXPECT_EQ(g_limits_fault(1, 1.6), nullptr);
    EXPECT_EQ(g_limits_fault(-1, 99), nullptr);
    EXPECT_NE(g_limits_fault(0, 100.25), nullptr);
    EXPECT_NE(g_limits_fault(1e17, 1e17 + 64), nullptr);
    EXPECT_NE(g_limits_fault(-1e308, 1e308), nullptr);
}

// Every reflection with indices from -n to n, but 0 0 0, that `keep` takes, with its g.
std::vector<Selected> selected_of(const UnitCell& cell, int n,
                                  bool (*keep)(int, int, int) = nullptr) {
    const ReciprocalMetric metric(cell);
    std::vector<Selected> set;
    for (int h = -n; h <= n; ++h)
        for (int k = -n; k <= n; ++k)
            for (int l = -n; l <= n; ++l)
                if ((h || k || l) && (!keep || keep(h, k, l)))
                    set.push_back({h, k, l, metric.g(h, k, l)});
    return set;
}

TEST(WindowFit, MonoclinicAngleOnEitherSideOfNinety) {
    for (double beta : {60.0, 89.99, 90.0, 90.01, 125.0}) {
        test::FakeTerminal term;
        CellFit fit;
        ASSERT_TRUE(fit_window(selected_of({5, 6, 7, 90, beta, 90}, 2), 'm', term.term().out, fit));
        EXPECT_NEAR(fit.beta, beta, 1e-9);
        EXPECT_NEAR(fit.a + fit.c, 12, 1e-9);
        EXPECT_LT(fit.mean_sq, 1e-24) << beta;
    }
    // With beta = 90, sin(beta) comes out of the coefficients a rounding step above 1 for
    // some cells; the angle must stay 90 and not become "not a number".
    for (double a = 3; a < 12; a += 0.73)
        for (double c = 3.1; c < 12; c += 0.61) {
            test::FakeTerminal term;
            CellFit fit;
            ASSERT_TRUE(
                fit_window(selected_of({a, 6.5, c, 90, 90, 90}, 2), 'm', term.term().out, fit));
            ASSERT_NEAR(fit.beta, 90, 1e-5) << a << " " << c;
        }
}

TEST(WindowFit, DegenerateSystemsPrintAndStoreNothing) {
    test::FakeTerminal term;
    CellFit fit{1, 2, 3, 4, 5};
    // Only 0 0 0: nothing to measure a cubic cell with. Only h k 0: a zero diagonal sum for
    // every system with l. Only h h h: every diagonal sum is set, but the orthorhombic and
    // monoclinic systems are singular. Only h 0 0, 0 k 0 and 0 0 l: the monoclinic -2hl sum is
    // zero, while the orthorhombic fit is sound.
    const std::vector<Selected> origin(30, Selected{0, 0, 0, 0.0});
    const auto flat = selected_of({4, 4, 6, 90, 90, 90}, 2, [](int, int, int l) { return l == 0; });
    const auto axes = selected_of({4, 5, 6, 90, 90, 90}, 3, [](int h, int k, int l) {
        return (h == 0) + (k == 0) + (l == 0) == 2;
    });
    std::vector<Selected> diagonal;
    for (int n = 1; n <= 30; ++n) diagonal.push_back({n, n, n, std::sqrt(3.0) * n / 4});
    EXPECT_FALSE(fit_window(origin, 'c', term.term().out, fit));
    for (int code : {'q', 'h', 'o', 'm'})
        EXPECT_FALSE(fit_window(flat, code, term.term().out, fit));
    EXPECT_FALSE(fit_window(axes, 'm', term.term().out, fit));
    // The singular systems: the inversion reports its zero pivot on standard error.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(fit_window(diagonal, 'o', term.term().out, fit));
    EXPECT_FALSE(fit_window(diagonal, 'm', term.term().out, fit));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("pivot"), std::string::npos);
    EXPECT_EQ(term.out(), "");
    EXPECT_EQ(fit.a + fit.b + fit.c + fit.beta + fit.mean_sq, 15);

    testing::internal::CaptureStderr();
    EXPECT_TRUE(fit_window(diagonal, 'c', term.term().out, fit));
    EXPECT_NEAR(fit.a, 4, 1e-12);
    EXPECT_EQ(term.out().substr(0, 41), "le parametre de maille est:\n  a=4.000000\n");
    EXPECT_TRUE(fit_window(axes, 'o', term.term().out, fit));
    EXPECT_NEAR(fit.a * 100 + fit.b * 10 + fit.c, 456, 1e-9);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // no zero pivot in a sound system
}

}  // namespace
}  // namespace ped::cell
