// The units of the cell tool: names, merged records, the selection rule, the g-limit checks,
// the window fits and the final report.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cell/fit.hpp"
#include "cell/questions.hpp"
#include "cell/report.hpp"
#include "cell/selection.hpp"
#include "harness.hpp"
#include "merged_data.hpp"

namespace ped::cell {
namespace {

TEST(CellNames, OutputNameReplacesTheLastThreeCharacters) {
    EXPECT_EQ(output_name("TAVsortiefin.hkl"), "TAVsortiefin.out");
    EXPECT_EQ(output_name("run/demofin.hkl"), "run/demofin.out");
    EXPECT_EQ(output_name("abc"), "out");
    EXPECT_EQ(output_name("ab"), "ab.out");
    EXPECT_EQ(output_name(""), ".out");
}

constexpr int kCubic = 'c', kTetragonal = 'q', kHexagonal = 'h', kOrthorhombic = 'o',
              kMonoclinic = 'm';

TEST(MergedRecords, FixedLayoutAndTouchingFields) {
    Reflection r;
    ASSERT_TRUE(parse_reflection("   1  -2   3        1234.50          12.25     0.45678901", r));
    EXPECT_EQ(r.h, 1);
    EXPECT_EQ(r.k, -2);
    EXPECT_EQ(r.l, 3);
    EXPECT_DOUBLE_EQ(r.i, 1234.5);
    EXPECT_DOUBLE_EQ(r.sig, 12.25);
    EXPECT_DOUBLE_EQ(r.g, 0.45678901);

    ASSERT_TRUE(parse_reflection("  12-103-999 -123456789012.00   1.00-0.5 extra words", r));
    EXPECT_EQ(r.k, -103);
    EXPECT_EQ(r.l, -999);
    EXPECT_DOUBLE_EQ(r.g, -0.5);

    for (const char* bad : {"", "1 2 3 4 5", "1 2 3 a 5 6", "1 2 3 4 5 6x", "1 2 3 nan 5 6",
                            "1.5 2 3 4 5 6", "99999999999 0 0 1 1 1", "1 2 3 4 5 1e400"})
        EXPECT_FALSE(parse_reflection(bad, r)) << bad;
}

TEST(MergedRecords, ReadingSkipsBlankLinesAndWarnsAboutOthers) {
    ped::test::TempDir d;
    ped::test::write_file(d / "m.hkl", "1 0 0 10 1 0.25\r\n\n  \nnot a record\n0 1 0 20 2 0.3");
    std::FILE* f = std::fopen((d / "m.hkl").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    ped::test::FakeTerminal term("", french);
    std::vector<Reflection> rs;
    EXPECT_EQ(read_reflections(f, "m.hkl", term.term(), rs), 0);
    std::fclose(f);
    ASSERT_EQ(rs.size(), 2u);
    EXPECT_EQ(rs[1].k, 1);
    EXPECT_EQ(term.diag(), "m.hkl:4: pas un enregistrement (h k l I sigI g), ligne ignoree\n");
}

TEST(Selection, BoundsAndThresholdBelongToTheWindow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Reflection> rs = {
        {1, 0, 0, 2.0, 1, 0.5},     // on g1 and on the threshold
        {2, 0, 0, 5.0, 1, 1.0},     // on g2
        {3, 0, 0, 5.0, 1, 0.4999},  // below g1
        {4, 0, 0, 5.0, 1, 1.0001},  // above g2
        {5, 0, 0, 1.999, 1, 0.7},   // below the threshold
        {6, 0, 0, 0, 0, 0.7},       // no ratio (0 / 0): kept
        {7, 0, 0, nan, 1, 0.7},     // no ratio: kept
    };
    std::vector<Selected> set;
    select_window(candidates_of(rs), 2, 0.5, 1.0, set);
    ASSERT_EQ(set.size(), 4u);
    EXPECT_EQ(set[0].h, 1);
    EXPECT_EQ(set[1].h, 2);
    EXPECT_EQ(set[2].h, 6);
    EXPECT_EQ(set[3].h, 7);
}

TEST(GLimits, ChecksThatKeepTheScanFinite) {
    EXPECT_STREQ(g_limits_fault(1, 1.4), "gmin et gmax sont trop proches");
    EXPECT_STREQ(g_limits_fault(1, 1.5), "gmin et gmax sont trop proches");
    EXPECT_EQ(g_limits_fault(1, 1.6), nullptr);
    EXPECT_EQ(g_limits_fault(-1, 99), nullptr);
    EXPECT_NE(g_limits_fault(0, 100.25), nullptr);
    EXPECT_NE(g_limits_fault(1e17, 1e17 + 64), nullptr);  // 0.25 steps would not move
    EXPECT_NE(g_limits_fault(-1e308, 1e308), nullptr);
}

std::vector<Selected> selected_of(const test::KnownCell& cell, int n) {
    std::vector<Selected> set;
    for (int h = -n; h <= n; ++h)
        for (int k = -n; k <= n; ++k)
            for (int l = -n; l <= n; ++l)
                if (h || k || l) set.push_back({h, k, l, test::reciprocal_length(cell, h, k, l)});
    return set;
}

TEST(WindowFit, MonoclinicAngleOnEitherSideOfNinety) {
    for (double beta : {60.0, 89.99, 90.0, 90.01, 100.0, 125.0}) {
        ped::test::FakeTerminal term;
        CellFit fit;
        ASSERT_TRUE(
            fit_window(selected_of({5, 6, 7, 90, beta, 90}, 2), kMonoclinic, term.term().out, fit));
        EXPECT_NEAR(fit.beta, beta, 1e-9);
        EXPECT_NEAR(fit.a, 5, 1e-9);
        EXPECT_NEAR(fit.c, 7, 1e-9);
        EXPECT_LT(fit.mean_sq, 1e-24) << beta;
    }
}

TEST(WindowFit, MonoclinicRightAngleIsNeverLostToRounding) {
    // With beta = 90, sin(beta) comes out of the coefficients a rounding step above 1 for
    // some cells; the angle must stay 90 and not become "not a number".
    int checked = 0;
    for (double a = 3; a < 12; a += 0.73)
        for (double c = 3.1; c < 12; c += 0.61) {
            ped::test::FakeTerminal term;
            CellFit fit;
            ASSERT_TRUE(fit_window(selected_of({a, 6.5, c}, 2), kMonoclinic, term.term().out, fit));
            ASSERT_NEAR(fit.beta, 90, 1e-5) << a << " " << c;
            ++checked;
        }
    EXPECT_EQ(checked, 13 * 15);
}

TEST(WindowFit, DegenerateSystemsPrintAndStoreNothing) {
    ped::test::FakeTerminal term;
    CellFit fit;
    // Only 0 0 0 (nothing to measure a cubic cell with), and only h k 0 for the others: a zero
    // diagonal sum.
    const std::vector<Selected> origin(30, Selected{0, 0, 0, 0.0});
    EXPECT_FALSE(fit_window(origin, kCubic, term.term().out, fit));
    std::vector<Selected> flat;
    for (const Selected& s : selected_of({4, 4, 6}, 2))
        if (s.l == 0) flat.push_back(s);
    EXPECT_FALSE(fit_window(flat, kTetragonal, term.term().out, fit));
    EXPECT_FALSE(fit_window(flat, kOrthorhombic, term.term().out, fit));
    EXPECT_FALSE(fit_window(flat, kMonoclinic, term.term().out, fit));
    // Only h h h: every diagonal sum is set, but the orthorhombic system is singular.
    std::vector<Selected> diagonal;
    for (int n = 1; n <= 30; ++n) diagonal.push_back({n, n, n, std::sqrt(3.0) * n / 4});
    EXPECT_FALSE(fit_window(diagonal, kOrthorhombic, term.term().out, fit));
    EXPECT_EQ(term.out(), "");

    EXPECT_TRUE(fit_window(diagonal, kCubic, term.term().out, fit));
    EXPECT_NEAR(fit.a, 4, 1e-12);
    EXPECT_EQ(term.out().substr(0, 41), "le parametre de maille est:\n  a=4.000000\n");
}

TEST(WindowFit, OtherCodesOnlyPrintTheHint) {
    ped::test::FakeTerminal term;
    CellFit fit;
    EXPECT_TRUE(fit_window({{1, 0, 0, 0.2}}, 'a', term.term().out, fit));
    EXPECT_EQ(term.out(), "Si la symetrie est plus basse, utiliser eracel\n\n");
}

TEST(WindowFit, NoisyOrthorhombicResiduals) {
    // g off by +1e-3 and -1e-3 in turn around a = 5, b = 6, c = 7.
    std::vector<Selected> set = selected_of({5, 6, 7}, 2);
    for (size_t i = 0; i < set.size(); ++i) set[i].g += (i % 2 ? -1e-3 : 1e-3);
    ped::test::FakeTerminal term;
    CellFit fit;
    ASSERT_TRUE(fit_window(set, kOrthorhombic, term.term().out, fit));
    EXPECT_NEAR(fit.a, 5, 0.01);
    EXPECT_NEAR(fit.b, 6, 0.01);
    EXPECT_NEAR(fit.c, 7, 0.01);
    double sum = 0;
    for (const Selected& s : set) {
        const double d = s.g - crystal_system(kOrthorhombic)->g_calc(fit)(s.h, s.k, s.l);
        sum += d * d;
    }
    EXPECT_DOUBLE_EQ(fit.mean_sq, sum / static_cast<double>(set.size()));
    EXPECT_NE(term.out().find(strprintf("chi2 vaut %lf\nl'ecart moyen vaut %lf\n", sum,
                                        sum / static_cast<double>(set.size()))),
              std::string::npos);
}

TEST(FinalReport, MeansDeviationsAndTheCellLine) {
    const std::vector<CellFit> fits = {{5.0, 6.0, 7.0, 100.0, 1e-6}, {5.2, 6.1, 7.3, 102.0, 3e-6}};
    ped::test::TempDir d;
    OutFile file;
    ASSERT_TRUE(file.open(d / "r.out"));
    ped::test::FakeTerminal term;
    final_report(fits, kMonoclinic, term.term().out, file);
    ASSERT_TRUE(file.close());
    EXPECT_EQ(term.out(),
              "\n\n\n\n\n\nLes parametres de maille sont :\n"
              "\ta = 5.1000 + ou - 0.1414\n\tb = 6.0500 + ou - 0.0707\n"
              "\tc = 7.1500 + ou - 0.2121\n\tbeta = 101.0000 + ou - 1.4142\n"
              "chi2 moyen = 0.000002\n");
    EXPECT_EQ(ped::test::read_file(d / "r.out"),
              "    5.1000    6.0500    7.1500   90.0000  101.0000   90.0000");
}

TEST(FinalReport, WithoutAnyFitNothingIsDividedOrWritten) {
    ped::test::TempDir d;
    OutFile file;
    ASSERT_TRUE(file.open(d / "r.out"));
    ped::test::FakeTerminal term;
    final_report({}, kHexagonal, term.term().out, file);
    ASSERT_TRUE(file.close());
    EXPECT_NE(term.out().find("Aucun affinement n'a abouti"), std::string::npos);
    EXPECT_EQ(term.out().find("nan"), std::string::npos);
    EXPECT_EQ(ped::test::read_file(d / "r.out"), "");
}

}  // namespace
}  // namespace ped::cell
