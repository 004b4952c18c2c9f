// The cell held against the measured g: the figure, and the warning above 1 %.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "harness.hpp"
#include "merge/cell_check.hpp"

namespace ped::merge {
namespace {

TEST(CellCheck, FigureOverTheMergedReflectionsWithGAboveZero) {
    // Reflections of a Pbnm perovskite (a 5.38, b 5.44, c 7.64), g measured 0.1 % long on
    // 1 0 0 and short on 0 1 0; 0 0 0 and a reflection without a number are not compared.
    const UnitCell pbnm{5.38, 5.44, 7.64, 90, 90, 90};
    const std::vector<Reflection> merged = {
        {1, 0, 0, 10, 1, 1.001 / 5.38},
        {0, 1, 0, 10, 1, 0.999 / 5.44},
        {0, 0, 2, 10, 1, 2 / 7.64},
        {0, 0, 0, 10, 1, 0},
        {1, 1, 1, std::numeric_limits<double>::infinity(), 1, 0.3}};
    const double rms_right =
        std::sqrt((std::pow(1 / 1.001 - 1, 2) + std::pow(1 / 0.999 - 1, 2)) / 3);
    // The lengths in the Pnma order: 1 0 0 5.38/5.44, 0 1 0 5.44/7.64, 0 0 2 7.64/5.38.
    const double rms_wrong =
        std::sqrt((std::pow(5.38 / 5.44 / 1.001 - 1, 2) + std::pow(5.44 / 7.64 / 0.999 - 1, 2) +
                   std::pow(7.64 / 5.38 - 1, 2)) /
                  3);
    const struct {
        UnitCell cell;
        double rms;
        bool warned;
    } cases[] = {{pbnm, rms_right, false}, {{5.44, 7.64, 5.38, 90, 90, 90}, rms_wrong, true}};
    for (const auto& c : cases) {
        const CellFit fit = cell_fit(c.cell, merged);
        EXPECT_EQ(fit.reflections, 3);
        EXPECT_NEAR(fit.rms, c.rms, 1e-12);
        test::FakeTerminal t;
        check_cell_fit(Session{t.term(), english_catalogue}, c.cell, merged, "runfin.hkl");
        EXPECT_EQ(t.diag().find(strprintf("over the 3 reflections of runfin.hkl, the rms of "
                                          "g(cell)/g(measured) - 1 is %.4f",
                                          c.rms)) != std::string::npos,
                  c.warned)
            << t.diag();
    }
    EXPECT_EQ(cell_fit(pbnm, {}).reflections, 0);
}

}  // namespace
}  // namespace ped::merge
