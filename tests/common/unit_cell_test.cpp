// Unit cells: g = 1/d against gemmi's cell for every crystal system, refused
// cells, the cell file the cell tool writes (its line or its CIF), and values with
// their uncertainties.
#include <gtest/gtest.h>
#include <gemmi/unitcell.hpp>

#include <cerrno>
#include <cmath>

#include "common/cell_cif.hpp"
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

TEST(UnitCell, ValuesWithUncertaintiesRoundedAsCrystallographersDo) {
    const struct {
        double value, su;
        const char* text;
    } cases[] = {
        {5.44073, 0.00031, "5.4407(3)"}, {7.63731, 0.00139, "7.6373(14)"},
        {98.153, 0.1249, "98.15(12)"},   {98.153, 0.196, "98.15(20)"},
        {98.153, 0.25, "98.2(3)"},       {1234.4, 27, "1230(30)"},
        {1234.4, 15, "1234(15)"},        {5.4407, 0, "5.4407"},
        {5.4407, NAN, "5.4407"},         {0.5, 0.00096, "0.5000(10)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(with_su(c.value, c.su, 4), c.text) << c.value << " " << c.su;
        double value, su;
        ASSERT_TRUE(parse_with_su(c.text, value, su)) << c.text;
        EXPECT_NEAR(value, c.value, std::isnan(c.su) ? 1e-4 : std::max(c.su, 1e-4));
    }
    double value, su;
    for (const char* bad : {"5.44(", "5.44()", "5.44(x)", "(3)", "5.44(3", "x"})
        EXPECT_FALSE(parse_with_su(bad, value, su)) << bad;
    ASSERT_TRUE(parse_with_su("5.4407(14)", value, su));
    EXPECT_DOUBLE_EQ(su, 0.0014);
}

TEST(UnitCell, CellFileAsACifWithUncertainties) {
    test::TempDir dir;
    const std::string cif =
        "# from cellsolve\ndata_cell\n_cell_length_a 5.4407(3)\n_cell_length_b 7.6373(14)\n"
        "_cell_length_c 5.3772\n_cell_angle_alpha 90\n_cell_angle_beta 98.15(12)\n"
        "_cell_angle_gamma 90\n";
    test::write_file(dir / "cell.cif", cif);
    UnitCell cell, su;
    CellProblem problem;
    long line = 0;
    ASSERT_EQ(read_cell_file(dir / "cell.cif", cell, problem, &line, &su), 0);
    EXPECT_EQ(problem, CellProblem::none);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(cell.b, 7.6373);
    EXPECT_EQ(cell.beta, 98.15);
    EXPECT_DOUBLE_EQ(su.b, 0.0014);
    EXPECT_DOUBLE_EQ(su.beta, 0.12);
    EXPECT_EQ(su.c, 0);
    // A CIF without the six items, or that is no CIF, has no cell; nor has a CIF too long.
    for (const std::string& text : {std::string("data_x\n_cell_length_a 5\n"),
                                    std::string("data_x\n_cell_length_a 5 'open\n"),
                                    "data_x\n" + std::string(kLongestLine, '#') + "\n"}) {
        test::write_file(dir / "bad.cif", text);
        read_cell_file(dir / "bad.cif", cell, problem, nullptr, &su);
        EXPECT_NE(problem, CellProblem::none) << text.substr(0, 40);
    }
    // The cell line gives no uncertainty.
    test::write_file(dir / "cell.out",
                     "    5.4403    7.6402    5.3812   90.0000   90.0000   90.0000");
    su.a = 1;
    read_cell_file(dir / "cell.out", cell, problem, nullptr, &su);
    EXPECT_EQ(su.a, 0);
}

}  // namespace
}  // namespace ped
