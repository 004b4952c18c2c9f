// A whole merge run: the four output files and the console, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "common/text.hpp"
#include "harness.hpp"

namespace ped::merge {
namespace {

using test::read_file;
using test::run_tool;
using test::TempDir;
using test::write_file;

const std::string kTool = TAV3ENG;
const std::string kStars =
    "********************************************************************************\n";

// Three zones on scales 1, 2 and 0.5; zb holds one reflection more.
void write_zones(const TempDir& d) {
    write_file(d / "in.txt", "za\nzb\nzc\n");
    write_file(d / "za",
               "1 0 0  100 10 0 10  0.5 0 0 0\n"
               "0 2 0  300 10 0 10  0.8 0 0 0\n");
    write_file(d / "zb",
               "1 0 0  200 20 0 20  0.5 0 0 0\n"
               "0 2 0  600 20 0 20  0.8 0 0 0\n"
               "0 0 1   50  5 0  5  0.9 0 0 0\n");
    write_file(d / "zc",
               "; the weakest zone\n"
               "1 0 0   50  5 0  5  0.5 0 0 0\n"
               "0 2 0  150  5 0  5  0.8 0 0 0\n");
}

struct Zone {
    std::string file;
    double scale;
    std::vector<std::array<int, 3>> hkl;
};

const std::vector<Zone> kZones = {{"za.hkl", 1, {{1, 0, 0}, {0, 2, 0}}},
                                  {"zb.hkl", 2, {{1, 0, 0}, {0, 2, 0}, {0, 0, 1}}},
                                  {"zc.hkl", 0.5, {{1, 0, 0}, {0, 2, 0}}}};

// I/sigI is 10 for 1 0 0 and 0 0 1 and 30 for 0 2 0 in every zone.
double weight(const std::array<int, 3>& hkl) {
    return hkl[1] == 2 ? 30 : 10;
}

std::vector<std::array<int, 3>> common(const Zone& a, const Zone& b) {
    std::vector<std::array<int, 3>> out;
    for (const auto& x : a.hkl)
        if (std::find(b.hkl.begin(), b.hkl.end(), x) != b.hkl.end()) out.push_back(x);
    return out;
}

std::string good(const std::string& a, const std::string& b) {
    return "!!!!!!!!!!!!!!!!!\n!!! GOOD between " + a + " et " + b +
           " !!!\n!!!!!!!!!!!!!!!!!\n\n\n";
}

// The n x n pair reports of one kind, and the console echoes of the same comparisons.
void pair_reports(bool intensities, std::string& report, std::string& console) {
    for (const Zone& a : kZones)
        for (const Zone& b : kZones) {
            const double ratio = intensities ? b.scale / a.scale : 1;
            const auto rows = common(a, b);
            for (const auto& x : rows) {
                if (intensities) {
                    report +=
                        strprintf("%4d%4d%4d %9.3lf%11.3lf\n", x[0], x[1], x[2], ratio, weight(x));
                    console +=
                        strprintf("%4d%4d%4d%9.3lf %11.3lf\n", x[0], x[1], x[2], ratio, weight(x));
                } else {
                    report += strprintf("%4d%4d%4d %9.3lf\n", x[0], x[1], x[2], ratio);
                    console += strprintf("%4d%4d%4d%9.3lf\n", x[0], x[1], x[2], ratio);
                }
            }
            const std::string count =
                strprintf(intensities ? "Number of common reflexions between %s and %s : %d\n"
                                      : "Number of common refections between %s and %s : %d\n",
                          a.file.c_str(), b.file.c_str(), static_cast<int>(rows.size()));
            console += count + "\n";
            report += count +
                      strprintf(
                          "The mean value is : %lf\nThe standart deviation is : 0.000000\n"
                          "The ratio is : 0.00 %s\n",
                          ratio, intensities ? "percent" : "pourcent") +
                      "There are 0 intensities ratio(s) out of the mean +or- the standart "
                      "deviation\n\n";
            if (intensities)
                report += strprintf("The weight mean is : %lf\n\n", ratio) +
                          "The relative difference between the mean and the weight mean are : \n"
                          "   0.00 et    0.00\n\n";
            report += good(a.file, b.file);
        }
}

TEST(MergeRun, ThreeZonesEveryFileAndTheConsole) {
    TempDir d;
    write_zones(d);
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "1", "1", "run"});
    ASSERT_EQ(r.status, 0) << r.err;

    std::string linear, linear_echo, g, g_echo;
    pair_reports(true, linear, linear_echo);
    pair_reports(false, g, g_echo);
    const std::string ratios =
        "1.000000\t2.000000\t0.500000\t\n"
        "0.500000\t1.000000\t0.250000\t\n"
        "2.000000\t4.000000\t1.000000\t\n";
    const std::string k =
        "1.000000  0.500000  2.000000  \n"
        "2.000000  1.000000  4.000000  \n"
        "0.500000  0.250000  1.000000  \n";
    const std::string normalised =
        "1.000000  0.500000  2.000000  \n"
        "1.000000  0.500000  2.000000  \n"
        "1.000000  0.500000  2.000000  \n";
    const std::string ones = "1.000000  1.000000  1.000000  \n";
    const std::string banner =
        kStars +
        "* g limit are : 0.00 et 100.00                                         *\n"
        "* Sigma value is : 0.00                                             *\n"
        "* Space Group number is :   1                                       *\n"
        "* Negative reflections are put to 1                                      *\n"
        "* Poisson(I) is took as error                               *\n"
        "* Friedel pairs are not mered before calculations                       *\n"
        "* No geometric corrections are done                                              *\n" +
        kStars + "\n";
    const std::string factors =
        "\nthe linear scale factor number 1 is : 1.000000\n"
        "\nthe linear scale factor number 2 is : 0.500000\n"
        "\nthe linear scale factor number 3 is : 2.000000\n";
    EXPECT_EQ(read_file(d / "run.txt"), banner + linear + ratios + "\n" + "\n\n\n" + k + "\n\n" +
                                            factors + "\n\n\n" + normalised);
    EXPECT_EQ(read_file(d / "rung.txt"),
              g +
                  "1.000000\t1.000000\t1.000000\t\n1.000000\t1.000000\t1.000000\t\n"
                  "1.000000\t1.000000\t1.000000\t\n" +
                  "\n" + "\n\n\n" + ones + ones + ones + "\n\n" +
                  "\nthe linear scale factor g number 1 is : 1.000000\n"
                  "\nthe linear scale factor g number 2 is : 1.000000\n"
                  "\nthe linear scale factor g number 3 is : 1.000000\n" +
                  "\n\n\n" + ones + ones + ones);

    const std::string a100 = "   1   0   0         100.00          10.00     0.50000000\n";
    const std::string a020 = "   0   2   0         300.00          10.00     0.80000000\n";
    const std::string a001 = "   0   0   1          25.00           2.50     0.90000000\n";
    EXPECT_EQ(read_file(d / "run.hkl"), a100 + a020 + a100 + a020 + a001 + a100 + a020);
    EXPECT_EQ(read_file(d / "runfin.hkl"), a100 + a020 + a001);

    EXPECT_EQ(r.out, std::string("Bienvinque \x02\nil y a 3 ZAP\n") +
                         "file 1 done\n\nfile 2 done\n\nfile 3 done\n\n" + linear_echo + g_echo +
                         ratios + "\n" +
                         "6.250000\t-2.500000\t-2.500000\t\n"
                         "-2.500000\t22.000000\t-4.250000\t\n"
                         "-2.500000\t-4.250000\t2.312500\t\n" +
                         k + factors + "3\n3\n1\n" +
                         "Total number of reflections : 7\nNumber of redundant reflections: 4\n"
                         "Number of independant reflections : 3\n" +
                         "Symetry: -1\nRint = 0.000000\n\nQue chabat !!!\n\n");
    EXPECT_EQ(r.err, "");
}

TEST(MergeRun, WrongSpaceGroupNumberKeepsTheScaledFileAndMergesNothing) {
    TempDir d;
    write_zones(d);
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "231", "1", "run"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string tail = "ERROR in " + kTool + " \nwrong SG number\ninutile\n\n" +
                             "Total number of reflections : 7\nNumber of redundant reflections: "
                             "0\nNumber of independant reflections : 7\n" +
                             "Rint = 0.000000\n\nQue chabat !!!\n\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(test::lines_of(read_file(d / "run.hkl")).size(), 7u);
    EXPECT_EQ(read_file(d / "runfin.hkl"), "");
}

TEST(MergeRun, ZonesWithoutCommonReflectionsNeverPrintNotANumber) {
    TempDir d;
    write_zones(d);
    write_file(d / "in.txt", "za\nmissing\nzc\n");
    write_file(d / "zc", "3 3 3  70 7 0 7  1.1 0 0 0\n");  // nothing in common with za
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "1", "1", "run"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* f : {"run.txt", "rung.txt", "run.hkl", "runfin.hkl"}) {
        const std::string text = read_file(d / f);
        EXPECT_EQ(text.find("nan"), std::string::npos) << f;
        EXPECT_EQ(text.find("inf"), std::string::npos) << f;
    }
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
    // Zones 2 and 3 share nothing with zone 1 and keep the factor 1.
    EXPECT_NE(r.out.find("the linear scale factor number 3 is : 1.000000"), std::string::npos);
    EXPECT_NE(r.err.find("zone 3 (zc)"), std::string::npos) << r.err;
    EXPECT_NE(read_file(d / "runfin.hkl").find("   3   3   3          70.00"), std::string::npos);
}

}  // namespace
}  // namespace ped::merge
