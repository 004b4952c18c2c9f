// The tools together: the merged file of a merge run is the cell tool's input.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "common/text.hpp"
#include "harness.hpp"

namespace ped {
namespace {

using test::read_file;
using test::run_tool;
using test::TempDir;
using test::write_file;

TEST(Suite, CellToolRecoversTheCellOfAMergedRun) {
    // Three zones of an orthorhombic crystal, space group Pmmm (47): [001], [100] and [010],
    // every zone on its own intensity scale.
    const double a = 4.9, b = 6.3, c = 7.7;
    TempDir d;
    write_file(d / "in.txt", "z001\nz100\nz010\n");
    std::mt19937 rng(8);
    std::uniform_real_distribution<double> strength(50, 5000);
    const char* names[] = {"z001", "z100", "z010"};
    const double scales[] = {1, 0.6, 1.7};
    for (int zone = 0; zone < 3; ++zone) {
        std::string text = "; zone " + std::string(names[zone]) + "\n";
        for (int p = -8; p <= 8; ++p)
            for (int q = -8; q <= 8; ++q) {
                const int h = zone == 1 ? 0 : p, k = zone == 2 ? 0 : (zone == 0 ? q : p);
                const int l = zone == 0 ? 0 : q;
                if (h == 0 && k == 0 && l == 0) continue;
                const double g = std::sqrt(h * h / (a * a) + k * k / (b * b) + l * l / (c * c));
                if (g > 1.6) continue;
                const double i = scales[zone] * strength(rng);
                text += strprintf("%d %d %d %.2f %.2f 0 %.2f %.8f 0 0 0\n", h, k, l, i,
                                  std::sqrt(i), std::sqrt(i) + 3, g);
            }
        write_file(d / names[zone], text);
    }
    const auto merge =
        run_tool(TAV3ENG, d.path(), {"in.txt", "0.1", "1.6", "3", "0", "0", "1", "47", "1", "run"});
    ASSERT_EQ(merge.status, 0) << merge.err;
    ASSERT_GT(test::lines_of(read_file(d / "runfin.hkl")).size(), 100u);

    const auto cell = run_tool(CELLSOLVE, d.path(), {"runfin.hkl", "111", "0.2", "1.6", "3"});
    ASSERT_EQ(cell.status, 0) << cell.err;
    std::istringstream line(read_file(d / "runfin.out"));
    double fitted[6] = {};
    for (double& x : fitted) line >> x;
    EXPECT_NEAR(fitted[0], a, 1e-4);
    EXPECT_NEAR(fitted[1], b, 1e-4);
    EXPECT_NEAR(fitted[2], c, 1e-4);
    EXPECT_EQ(fitted[3], 90);
    EXPECT_EQ(fitted[4], 90);
    EXPECT_EQ(fitted[5], 90);
}

}  // namespace
}  // namespace ped
