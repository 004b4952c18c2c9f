// The map as a text matrix and as a picture: both from the top line down.
#include <gtest/gtest.h>

#include "harness.hpp"
#include "map/map_files.hpp"

namespace ped::map {
namespace {

template <typename Write>
std::string written(const Grid& g, Write write) {
    test::TempDir d;
    OutFile out;
    EXPECT_TRUE(out.open(d / "f"));
    write(out, g);
    EXPECT_TRUE(out.close());
    return test::read_file(d / "f");
}

TEST(MapFiles, TextAndPictureFromTheTopLineDown) {
    Grid g;
    draw_axes(g);
    g.set(7, 500, kPointGrey);
    g.set(250, 250, 17.4);

    const std::vector<std::string> lines = test::lines_of(written(g, write_text_map));
    ASSERT_EQ(lines.size(), 501u);
    std::string top = "150.000\t";
    for (int x = 1; x <= 500; ++x) top += x == 7 ? " 0.000\t" : "255.000\t";
    EXPECT_EQ(lines[0], top);
    EXPECT_EQ(lines[250].substr(250 * 8, 9), "17.400\t25");

    const std::string pgm = written(g, write_picture);
    const std::string header = "P5\n501 501\n255\n";
    ASSERT_EQ(pgm.size(), header.size() + 501u * 501u);
    EXPECT_EQ(pgm.substr(0, header.size()), header);
    const auto at = [&](int x, int y) {
        return static_cast<unsigned char>(pgm[header.size() + (500 - y) * 501u + x]);
    };
    EXPECT_EQ(at(0, 500), 150);
    EXPECT_EQ(at(7, 500), 0);
    EXPECT_EQ(at(8, 500), 255);
    EXPECT_EQ(at(250, 250), 17);
    EXPECT_EQ(at(500, 0), 150);
    EXPECT_EQ(grey_byte(-3), 0);
    EXPECT_EQ(grey_byte(300), 255);
}

}  // namespace
}  // namespace ped::map
