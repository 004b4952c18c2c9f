// Whole-word number conversion, records, line reading and file identity.
#include <gtest/gtest.h>

#include <climits>

#include "common/files.hpp"
#include "common/records.hpp"
#include "common/text.hpp"
#include "harness.hpp"

namespace ped {
namespace {

TEST(Text, WholeWordsAndRecords) {
    int v = 0;
    double r = 0;
    const std::pair<const char*, int> good[] = {
        {"-12", -12}, {" +7\r", 7}, {"2147483647", INT_MAX}};
    for (const auto& [word, value] : good) EXPECT_TRUE(parse_int(word, v) && v == value) << word;
    for (const char* bad : {"", "-", "1.0", "3x", "2147483648", "99999999999999999999", "0x10"})
        EXPECT_FALSE(parse_int(bad, v)) << bad;
    EXPECT_TRUE(parse_double("1e-3", r) && r == 1e-3);
    EXPECT_TRUE(parse_double("-.5", r) && r == -0.5);
    EXPECT_EQ(split_ws(" a\tbc  \r"), (std::vector<std::string>{"a", "bc"}));
    for (const char* bad : {"", "nan", "inf", "-infinity", "1e400", "1.2.3", "4,5", "abc"})
        EXPECT_FALSE(parse_double(bad, r)) << bad;

    // Records as scanf reads them, but strictly: values touching a negative neighbour read.
    int i[3] = {};
    double d[3] = {};
    ASSERT_TRUE(scan_record("  12-103   7    1234.50-0.25     0.50000000", i, 3, d, 3));
    EXPECT_EQ(std::vector<double>({1. * i[0], 1. * i[1], 1. * i[2], d[0], d[1], d[2]}),
              std::vector<double>({12, -103, 7, 1234.5, -0.25, 0.5}));
    EXPECT_TRUE(scan_record("1 2 3 4 5 6 and more words\r", i, 3, d, 3));
    for (const char* bad : {"1 2 3 4 5", "1 2 3.0 4 5 6", "1 2 3 4 5 6abc", "1 2 3 nan 5 6",
                            "1 2 3 4 5 1e999", "1 2 99999999999 4 5 6", "", "- 2 3 4 5 6"})
        EXPECT_FALSE(scan_record(bad, i, 3, d, 3)) << bad;
}

TEST(Text, LinesUpToTheLongestWindowsLineEndsAndLongerLinesSkipped) {
    // Lines across the reader's blocks, at and beyond the longest line (CR LF not counted),
    // each followed by one that must still read whole.
    const std::string at(kLongestLine, 'x'), beyond(kLongestLine + 1, 'y');
    const std::string huge(3 * kLongestLine, '7');
    const struct {
        std::string text;
        std::vector<std::string> lines;  // "!" for a line too long
    } cases[] = {
        {"a b\r\n" + at + "\n\nlast", {"a b", at, "", "last"}},
        {at + "\r\nz\r\n", {at, "z"}},
        {beyond + "\nz", {"!", "z"}},
        {beyond + "\r\n" + huge + "\n" + huge, {"!", "!", "!"}},
        {"1 2\n" + huge + "\r\n\r\n3 4\n", {"1 2", "!", "", "3 4"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        test::write_file(dir / "f", c.text);
        std::FILE* f = std::fopen((dir / "f").c_str(), "rb");
        LineReader reader(f);
        std::vector<std::string> got;
        std::string line;
        for (LineRead r; (r = reader.next(line)) != LineRead::end;)
            got.push_back(r == LineRead::too_long ? "!" : line);
        std::fclose(f);
        EXPECT_EQ(got, c.lines) << c.text.substr(0, 20);
    }
    // read_lines numbers every line, blank and too long ones included.
    test::write_file(dir / "f", "a\n\n" + beyond + "\nb\n");
    std::string seen;
    const auto each = [&](const std::string& line, long n) {
        seen += line + std::to_string(n);
        return true;
    };
    const auto too_long = [&](long n) {
        seen += "!" + std::to_string(n);
        return true;
    };
    EXPECT_EQ(read_lines(dir / "f", each, too_long), 0);
    EXPECT_EQ(seen, "a1!3b4");
}

TEST(Files, SameFileSeesThroughSpellings) {
    test::TempDir dir;
    test::write_file(dir / "a.txt", "x");
    EXPECT_TRUE(same_file(dir / "a.txt", dir.path() + "/./a.txt"));
    EXPECT_TRUE(same_file(dir / "new", dir.path() + "/sub/../new"));
    EXPECT_FALSE(same_file(dir / "a.txt", dir / "b.txt"));
}

}  // namespace
}  // namespace ped
