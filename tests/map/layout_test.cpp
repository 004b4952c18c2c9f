// Whole maps, whose two files the stored cases pin only by their digests: where the points of
// a run land, and the text map and the picture of one grid agreeing cell for cell.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/text.hpp"
#include "harness.hpp"
#include "map/grid.hpp"
#include "map/map_files.hpp"

namespace ped::map {
namespace {

// The point file of the case tiltmap/rows_below_reference: rows at 0, -10 and 10 degrees.
const std::vector<Point> kRowsBelow{{0, 0},
                                    {1, 0},
                                    {2, 0},
                                    {0, 0},
                                    {0.984808, -0.173648},
                                    {1.969616, -0.347296},
                                    {0, 0},
                                    {0.984808, 0.173648},
                                    {1.969616, 0.347296}};

TEST(MapLayout, RowsBelowTheReferenceLiftTheOrigin) {
    // m = 2: 12 units over 500 cells. The lowest y, -0.347296, is the bottom edge, so the
    // origin sits on y cell 0.347296 x 500 / 12 = 14.47, rounded to 14; x = 1 on x cell 42.
    const Grid g = render_map(kRowsBelow, extent_of(kRowsBelow));
    EXPECT_EQ(g.at(0, 14), kPointGrey);
    EXPECT_EQ(g.at(42, 14), kPointGrey);
    EXPECT_EQ(g.at(82, 0), kPointGrey);
    EXPECT_EQ(g.at(82, 28), kPointGrey);
    EXPECT_EQ(g.at(0, 6), kAxisGrey);  // the y axis between the origin's mark and the edge
}

TEST(MapLayout, TextMapAndPictureAgreeCellForCell) {
    const Grid g = render_map(kRowsBelow, extent_of(kRowsBelow));
    test::TempDir d;
    OutFile text, picture;
    ASSERT_TRUE(text.open(d / "m.bmp") && picture.open(d / "m.pgm"));
    write_text_map(text, g);
    write_picture(picture, g);
    ASSERT_TRUE(text.close() && picture.close());

    const std::vector<std::string> lines = test::lines_of(test::read_file(d / "m.bmp"));
    const std::string pgm = test::read_file(d / "m.pgm");
    const std::string header = "P5\n501 501\n255\n";
    ASSERT_EQ(lines.size(), 501u);
    ASSERT_EQ(pgm.size(), header.size() + 501u * 501u);
    int differ = 0, points = 0;
    for (size_t k = 0; k < 501; ++k) {
        const std::vector<std::string> words = split_ws(lines[k]);
        ASSERT_EQ(words.size(), 501u) << "line " << k;
        for (size_t x = 0; x < 501; ++x) {
            const double value = std::atof(words[x].c_str());
            differ += value != static_cast<unsigned char>(pgm[header.size() + k * 501 + x]);
            points += value == kPointGrey;
        }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(points, 0);
}

}  // namespace
}  // namespace ped::map
