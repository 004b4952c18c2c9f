// The cell held against the measured g: the figure, and the warning above 1 %.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.hpp"
#include "merge/reports/cell_check.hpp"

namespace ped::merge {
namespace {

TEST(CellCheck, RmsOfGFromTheCellOverMeasuredGAbove0) {
    // A Pbnm perovskite (5.38 5.44 7.64), 1 0 0 measured 0.1 % long; 0 0 0 and a record that
    // is no number are not compared.
    const std::vector<Reflection> merged = {{1, 0, 0, 10, 1, 1.001 / 5.38},
                                            {0, 1, 0, 10, 1, 1 / 5.44},
                                            {0, 0, 2, 10, 1, 2 / 7.64},
                                            {0, 0, 0, 10, 1, 0},
                                            {1, 1, 1, INFINITY, 1, 0.3}};
    const auto off = [](double ratio) { return (ratio - 1) * (ratio - 1); };
    const struct {
        UnitCell cell;
        double rms;
    } cases[] = {{{5.38, 5.44, 7.64, 90, 90, 90}, std::sqrt(off(1 / 1.001) / 3)},
                 // The Pnma order: each g is off by a ratio of two lengths.
                 {{5.44, 7.64, 5.38, 90, 90, 90},
                  std::sqrt((off(5.38 / 5.44 / 1.001) + off(5.44 / 7.64) + off(7.64 / 5.38)) / 3)}};
    for (const auto& c : cases) {
        const CellFit fit = cell_fit(c.cell, merged);
        EXPECT_EQ(fit.reflections, 3);
        EXPECT_NEAR(fit.rms, c.rms, 1e-12);
        test::FakeTerminal t;
        check_cell_fit(Session{t.term(), english_catalogue}, c.cell, merged, "runfin.hkl");
        EXPECT_EQ(t.diag().empty(), c.rms < kCellMisfit) << t.diag();
    }
}

}  // namespace
}  // namespace ped::merge
