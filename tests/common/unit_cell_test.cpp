// Unit cells: g = 1/d against gemmi's cell for every crystal system, refused
// cells, and the cell file the cell tool writes.
#include <gtest/gtest.h>
#include <gemmi/unitcell.hpp>

#include <cerrno>
#include <cmath>

#include "common/text.hpp"
#include "common/unit_cell.hpp"
#include "harness.hpp"

namespace ped {
namespace {

TEST(UnitCell, ReciprocalLengthAgreesWithGemmiForEverySystem) {
    for (const UnitCell& c :
         {UnitCell{4, 4, 4, 90, 90, 90}, UnitCell{5.44, 7.64, 5.38, 90, 90, 90},
          UnitCell{3.2, 3.2, 5.1, 90, 90, 120}, UnitCell{6.1, 7.3, 8.2, 90, 104.5, 90},
          UnitCell{5.1, 6.2, 7.3, 81.2, 97.4, 112.9}, UnitCell{9, 9, 9, 70, 70, 70}}) {
        ASSERT_EQ(check_cell(c), CellProblem::none);
        const ReciprocalMetric metric(c);
        const gemmi::UnitCell reference(c.a, c.b, c.c, c.alpha, c.beta, c.gamma);
        for (int h = -3; h <= 3; ++h)
            for (int k = -3; k <= 3; ++k)
                for (int l = -3; l <= 3; ++l) {
                    const double g = std::sqrt(reference.calculate_1_d2({{h, k, l}}));
                    ASSERT_NEAR(metric.g(h, k, l), g, 1e-12 * (1 + g)) << h << k << l;
                    // No reflection within g_max has an index beyond max_index.
                    const int index[] = {h, k, l};
                    for (int axis = 0; axis < 3; ++axis)
                        ASSERT_LE(std::abs(index[axis]), metric.max_index(axis, metric.g(h, k, l)));
                }
    }
    // Right angles are exact: the axial reflections of a cube land on round
    // values.
    EXPECT_EQ(ReciprocalMetric({4, 4, 4, 90, 90, 90}).g(2, 0, 0), 0.5);
}

TEST(UnitCell, RefusedCells) {
    using P = CellProblem;
    const std::pair<const char*, CellProblem> cases[] = {
        {"5.44,7.64,5.38,90,90,90", P::none},   {" 5 , 5 , 5 , 90 , 90 , 120 ", P::none},
        {"5,5,5,90,90", P::not_six_numbers},    {"5,5,5,90,90,90,90", P::not_six_numbers},
        {"5;5;5;90;90;90", P::not_six_numbers}, {"5,5,nan,90,90,90", P::not_six_numbers},
        {"5,0,5,90,90,90", P::length},          {"5,5,-5,90,90,90", P::length},
        {"5,5,5,90,180,90", P::angle},          {"5,5,5,0,90,90", P::angle},
        {"5,5,5,60,60,150", P::volume},         {"1e4,5,5,90,90,90", P::huge_length},
        {"5,9999.99,5,90,90,90", P::none},      {"5,5,1e10,90,90,90", P::huge_length}};
    for (const auto& [text, problem] : cases) {
        UnitCell cell;
        EXPECT_EQ(parse_cell(text, cell), problem) << text;
    }
}

TEST(UnitCell, CellFileAsTheCellToolWritesIt) {
    test::TempDir dir;
    test::write_file(dir / "cell.out",
                     "    5.4403    7.6402    5.3812   90.0000   90.0000  120.0000");
    UnitCell cell;
    CellProblem problem;
    ASSERT_EQ(read_cell_file(dir / "cell.out", cell, problem), 0);
    EXPECT_EQ(problem, CellProblem::none);
    EXPECT_EQ(cell.b, 7.6402);
    EXPECT_EQ(cell.gamma, 120);

    test::write_file(dir / "empty", "\n\n");
    EXPECT_EQ(read_cell_file(dir / "empty", cell, problem), 0);
    EXPECT_EQ(problem, CellProblem::not_six_numbers);
    test::write_file(dir / "flat", "5 5 5 90 90 0\n");
    read_cell_file(dir / "flat", cell, problem);
    EXPECT_EQ(problem, CellProblem::angle);
    EXPECT_EQ(read_cell_file(dir / "missing", cell, problem), ENOENT);

    // A line longer than the longest is refused, naming it; an endless one is not
    // read on.
    long line = 0;
    test::write_file(dir / "long", "\n" + std::string(kLongestLine + 1, '5') + "\n5 5 5 90 90 90");
    EXPECT_EQ(read_cell_file(dir / "long", cell, problem, &line), 0);
    EXPECT_EQ(problem, CellProblem::long_line);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(read_cell_file("/dev/zero", cell, problem, &line), 0);
    EXPECT_EQ(problem, CellProblem::long_line);
    EXPECT_EQ(line, 1);
}

}  // namespace
}  // namespace ped
