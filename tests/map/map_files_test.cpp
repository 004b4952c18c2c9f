// The map as a text matrix and as a picture.
#include <gtest/gtest.h>

#include "harness.hpp"
#include "map_files.hpp"

namespace ped {
namespace {

Grid sample_grid() {
    Grid g;
    draw_axes(g);
    g.set(7, 500, kPointGrey);  // top line
    g.set(500, 3, kPointGrey);
    g.set(250, 250, 17.4);
    return g;
}

template <typename Write>
std::string written(const Grid& g, Write write) {
    test::TempDir d;
    OutFile out;
    EXPECT_TRUE(out.open(d / "f"));
    write(out, g);
    EXPECT_TRUE(out.close());
    return test::read_file(d / "f");
}

TEST(MapFiles, Names) {
    EXPECT_EQ(text_map_name("run"), "run.bmp");
    EXPECT_EQ(picture_name("dir/run.txt"), "dir/run.txt.pgm");
}

TEST(MapFiles, TextMapFromTheTopLineDown) {
    const std::vector<std::string> lines = test::lines_of(written(sample_grid(), write_text_map));
    ASSERT_EQ(lines.size(), 501u);
    std::string top = "150.000\t";
    for (int x = 1; x <= 500; ++x) top += x == 7 ? " 0.000\t" : "255.000\t";
    EXPECT_EQ(lines[0], top);
    std::string bottom;
    for (int x = 0; x <= 500; ++x) bottom += "150.000\t";
    EXPECT_EQ(lines[500], bottom);
    EXPECT_EQ(lines[497].substr(lines[497].size() - 15), "255.000\t 0.000\t");
    EXPECT_EQ(lines[250].substr(250 * 8, 9), "17.400\t25");
}

TEST(MapFiles, PictureFromTheTopRowDown) {
    const std::string pgm = written(sample_grid(), write_picture);
    const std::string header = "P5\n501 501\n255\n";
    ASSERT_EQ(pgm.size(), header.size() + 501u * 501u);
    EXPECT_EQ(pgm.substr(0, header.size()), header);
    const auto at = [&](int x, int y) {
        return static_cast<unsigned char>(pgm[header.size() + (500 - y) * 501u + x]);
    };
    EXPECT_EQ(at(0, 500), 150);
    EXPECT_EQ(at(7, 500), 0);
    EXPECT_EQ(at(8, 500), 255);
    EXPECT_EQ(at(500, 3), 0);
    EXPECT_EQ(at(250, 250), 17);
    EXPECT_EQ(at(500, 0), 150);
}

TEST(MapFiles, GreyBytesStayInRange) {
    EXPECT_EQ(grey_byte(-3), 0);
    EXPECT_EQ(grey_byte(149.6), 150);
    EXPECT_EQ(grey_byte(300), 255);
}

}  // namespace
}  // namespace ped
