// TAV3eng as a user runs it: questions and command-line positions, console texts, files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/prepare.hpp"

namespace ped::merge {
namespace {

using test::read_file;
using test::run_tool;
using test::TempDir;
using test::write_file;

const std::string kTool = TAV3ENG;

const std::string kQ1 =
    "\nEnter the file name that contain the names of the files to merge. (default name: in.txt)\n";
const std::string kQ2to8 =
    "What are the g limits ? (type gmin and gmax separated by a space)\n"
    "What is the sigma value ? (The intensities have to be superior to sigma*error to be take "
    "into account in the calculations)\n"
    "Would you like to delete the negative intensities or put them to 1 ? \n(0 to put them to 1)\n"
    "Would you like the error to be Poisson(I) ? zero for yes\nIf not the error is Sig(bg)\n"
    "Would you like to merge Friedel pair before the scale factor calculations are made ? zero "
    "for yes\n"
    "What is the space group number ? \n"
    "Would you like to perform Lorentz correction (Gjonnes formula) ? zero for yes\n";
const std::string kQ9 = "What are the accerlerating voltage (kV) and the precession semi-angle ?\n";
const std::string kCalibration = "What are the calibration parameters ? (pixel --> angstrom)\n";
const std::string kQ11 = "What is the output filename ? (default name: TAVsortie)\n";
const std::string kGreeting = std::string("Bienvinque ") + '\x02' + "\n";
const std::string kStars =
    "********************************************************************************\n";

// True when `text` begins with `head` (the dialogue and preparation come first in a run).
::testing::AssertionResult begins(const std::string& text, const std::string& head) {
    if (text.compare(0, head.size(), head) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\n" << text << "\ndoes not begin with\n" << head;
}

// Two small zones sharing the row 0 k 0; group 14 removes 0 1 0 and 1 0 1.
void write_zones(const TempDir& d) {
    write_file(d / "in.txt", "za extra words\n\n   \nzb\n");
    write_file(d / "za",
               "; zone [001]\n"
               "   0   1   0  50.0  5.0  1.0  6.0  0.20  5.0  1100  1024\n"
               "   0   2   0  80.0  8.0  1.0  9.0  0.40  2.5  1200  1024\n"
               "   0  -2   0  90.0  9.0  1.0  9.5  0.40  2.5   848  1024\n"
               "   1   0   0  -3.0  1.0  1.0  2.0  0.25  4.0  1024  1124\n");
    write_file(d / "zb",
               "   0   2   0  40.0  4.0  1.0  5.0  0.40  2.5  1200  1024\n"
               "   1   0   1  60.0  6.0  1.0  7.0  0.30  3.3  1100  1100\n"
               "   0  -2   0  44.0  4.4  1.0  5.5  0.40  2.5   848  1024\n");
}

TEST(MergeTool, WithoutArgumentsAsksEveryQuestionInOrder) {
    TempDir d;
    write_zones(d);
    const auto r = run_tool(kTool, d.path(), {},
                            "\n0.1 0.5\n2\n0\n0\n0\n14\n0\n200 1\n352 0.4\n352 0.4\nrun1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string echo_a =
        "   0   1   0          50.00           5.00           1.00           6.00     0.20000000"
        "     5.00000000   1100.00   1024.00\n";
    const std::string echo_b =
        "   1   0   1          60.00           6.00           1.00           7.00     0.30000000"
        "     3.30000000   1100.00   1100.00\n";
    EXPECT_TRUE(begins(r.out, kGreeting + kQ1 + "il y a 2 ZAP\n" + kQ2to8 + kQ9 + echo_a +
                                  kCalibration + "file 1 done\n\n" + echo_b + kCalibration +
                                  "file 2 done\n\n" + kQ11));
    for (const char* f : {"run1.txt", "run1g.txt", "za.hkl", "zb.hkl"})
        EXPECT_TRUE(test::file_exists(d / f)) << f;
    // 1 0 0 has no mate; 0 -2 0 (first after the sort) absorbs 0 2 0: spots 352 pixels
    // apart with 0.4 per 352 pixels give g = 0.2; both carry the Lorentz factor of g = 0.4.
    const double f = lorentz_factor(0.4, lorentz_radius(200, 1));
    EXPECT_EQ(read_file(d / "za.hkl"), strprintf("   0  -2   0%15.2f%15.2f     0.20000000\n",
                                                 (90 * f + 80 * f) / 2, (9 * f + 8 * f) / 2));
}

TEST(MergeTool, PreparedFilesInTheirLayout) {
    TempDir d;
    write_zones(d);
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "2", "0", "1", "1", "14", "1", "out"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        begins(r.out, kGreeting + "il y a 2 ZAP\n" +
                          "   0   1   0          50.00           5.00           1.00           6.00"
                          "     0.20000000     5.00000000   1100.00   1024.00\n"
                          "file 1 done\n\n"
                          "   1   0   1          60.00           6.00           1.00           7.00"
                          "     0.30000000     3.30000000   1100.00   1100.00\n"
                          "file 2 done\n\n"));
    // Sig(bg) errors, negatives raised to 1, ascending g with ties in exchange-sort order.
    EXPECT_EQ(read_file(d / "za.hkl"),
              "   1   0   0           1.00           2.00     0.25000000\n"
              "   0  -2   0          90.00           9.50     0.40000000\n"
              "   0   2   0          80.00           9.00     0.40000000\n");
    EXPECT_EQ(read_file(d / "zb.hkl"),
              "   0   2   0          40.00           5.00     0.40000000\n"
              "   0  -2   0          44.00           5.50     0.40000000\n");
}

TEST(MergeTool, BannerWithLorentzCorrection) {
    TempDir d;
    write_file(d / "in.txt", "");
    const auto r =
        run_tool(kTool, d.path(),
                 {"in.txt", "0.25", "1.5", "3", "0", "0", "0", "62", "0", "200", "1.5", "run1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(begins(r.out, kGreeting + "il y a 0 ZAP\n"));
    EXPECT_TRUE(
        begins(read_file(d / "run1.txt"),
               kStars +
                   "* g limit are : 0.25 et 1.50                                         *\n"
                   "* Sigma value is : 3.00                                             *\n"
                   "* Space Group number is :  62                                       *\n"
                   "* Negative reflections are put to 1                                      *\n"
                   "* Poisson(I) is took as error                               *\n"
                   "* Friedel pairs are mered before calculations                              *\n"
                   "* Geometric corrections are done                              *\n"
                   "* for an accelerating voltage of 200KV and a precession semi-angle of 1.50 "
                   "degres           *\n" +
                   kStars + "\n"));
}

TEST(MergeTool, BannerWithoutLorentzAndOtherChoices) {
    TempDir d;
    write_file(d / "in.txt", "");
    // Lorentz flag not 0: the output name is argument 10.
    auto r =
        run_tool(kTool, d.path(), {"in.txt", "x", "y", "1", "1", "1", "1", "230", "5", "base"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        read_file(d / "base.txt"),
        kStars +
            "* g limit are : 0.00 et 100.00                                         *\n"
            "* Sigma value is : 1.00                                             *\n"
            "* Space Group number is : 230                                       *\n"
            "* Negative reflection are deleted                                     *\n"
            "* Sig(bg) is took as error                                     *\n"
            "* Friedel pairs are not mered before calculations                       *\n"
            "* No geometric corrections are done                                              *\n" +
            kStars + "\n" +
            // No zone: empty tables, only their separators.
            "\n" + "\n\n\n" + "\n\n" + "\n\n\n");

    // Voltage 199.9 prints 199; the console answers for the voltage come after the flag.
    r = run_tool(kTool, d.path(), {"in.txt", "0", "2", "1", "0", "0", "1", "14", "0"},
                 "199.9 2\nlast\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(begins(r.out, kGreeting + "il y a 0 ZAP\n" + kQ9 + kQ11));
    EXPECT_NE(
        read_file(d / "last.txt").find("voltage of 199KV and a precession semi-angle of 2.00"),
        std::string::npos);
}

TEST(MergeTool, AnswersTypedAheadOnOneLine) {
    TempDir d;
    write_file(d / "in.txt", "");
    const auto r = run_tool(kTool, d.path(), {}, "\n0 1 2 0 0 1 14 1\nsame\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(begins(r.out, kGreeting + kQ1 + "il y a 0 ZAP\n" + kQ2to8 + kQ11));
    EXPECT_TRUE(test::file_exists(d / "same.txt"));
}

TEST(MergeTool, DefaultNamesAndUnconvertedGLimits) {
    TempDir d;
    write_file(d / "in.txt", "");
    const auto r = run_tool(kTool, d.path(), {}, "\nfoo\n2\n0\n0\n1\n14\n1\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(read_file(d / "TAVsortie.txt").find("g limit are : 0.00 et 100.00"),
              std::string::npos);
    EXPECT_NE(r.err.find("'foo'"), std::string::npos);
}

TEST(MergeTool, RefusedAnswersAreAskedAgain) {
    TempDir d;
    write_file(d / "in.txt", "");
    const auto r = run_tool(kTool, d.path(), {}, "\n0 1\nabc\n2\n0\n0\n1\nP21/c\n14\n1\nx\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("'abc'"), std::string::npos);
    EXPECT_NE(r.err.find("'P21/c'"), std::string::npos);
    EXPECT_NE(read_file(d / "x.txt").find("Space Group number is :  14"), std::string::npos);
}

TEST(MergeTool, MissingListFileIsFatal) {
    TempDir d;
    const auto r = run_tool(kTool, d.path(), {}, "nolist.txt\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out, kGreeting + kQ1 + "ERROR in " + kTool + " \nerror: cannot open file\n");
    EXPECT_NE(r.err.find("nolist.txt"), std::string::npos);
}

TEST(MergeTool, MissingZoneFileIsReportedOnceAndTheRunGoesOn) {
    TempDir d;
    write_zones(d);
    write_file(d / "in.txt", "za\nnothere\nzb\n");
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "2", "0", "1", "1", "1", "1", "o"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(begins(r.out, kGreeting + "il y a 3 ZAP\nfile 1 done\n\nERROR in " + kTool +
                                  " \nerror: cannot open file\nfile 2 done\n\nfile 3 done\n\n"));
    EXPECT_EQ(read_file(d / "nothere.hkl"), "");
    EXPECT_NE(r.err.find("nothere"), std::string::npos);
}

TEST(MergeTool, CommandLineValuesThatAreNotNumbers) {
    TempDir d;
    write_file(d / "in.txt", "");
    auto r = run_tool(kTool, d.path(), {"in.txt", "0", "1", "2", "0", "0", "1", "P21", "1", "o"});
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find("argument 8 (\"P21\") is not a whole number"), std::string::npos);
    r = run_tool(kTool, d.path(),
                 {"in.txt", "0", "1", "2", "0", "0", "1", "14", "0", "200", "1deg", "o"});
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find("argument 11 (\"1deg\") is not a number"), std::string::npos);
    EXPECT_FALSE(test::file_exists(d / "o.txt"));
}

TEST(MergeTool, EndOfInputWhileAnAnswerIsNeeded) {
    TempDir d;
    write_file(d / "in.txt", "");
    const auto r = run_tool(kTool, d.path(), {}, "\n0 1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find("ERROR in " + kTool + " \n"), std::string::npos);
}

TEST(MergeTool, OutputNeverOverwritesAnInput) {
    TempDir d;
    write_zones(d);
    write_file(d / "list", "za\nzb\n");
    // Output base "za" would write the scaled file za.hkl over the prepared file of zone za.
    auto r = run_tool(kTool, d.path(), {"list", "0", "100", "2", "0", "1", "1", "1", "1", "za"});
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find("would overwrite the input file za.hkl"), std::string::npos);
    EXPECT_FALSE(test::file_exists(d / "za.txt"));

    r = run_tool(kTool, d.path(), {"list", "0", "100", "2", "0", "1", "1", "1", "1"}, "zb\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        begins(r.out, kGreeting + "il y a 2 ZAP\nfile 1 done\n\nfile 2 done\n\n" + kQ11 + kQ11));
    EXPECT_NE(r.err.find("would overwrite"), std::string::npos);
    EXPECT_TRUE(test::file_exists(d / "TAVsortie.txt"));

    // A zone whose prepared file would be another zone file: refused before anything is written.
    write_file(d / "list2", "za\nza.hkl\n");
    write_file(d / "za.hkl", "keep me\n");
    r = run_tool(kTool, d.path(), {"list2", "0", "100", "2", "0", "1", "1", "1", "1", "o"});
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(read_file(d / "za.hkl"), "keep me\n");
}

TEST(MergeTool, LeavesNoTemporaryFileAndSparesTheUsersOwn) {
    TempDir d;
    write_zones(d);
    write_file(d / "tampon", "mine\n");
    write_file(d / "tampon2", "mine too\n");
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "2", "0", "1", "0", "14", "1", "o"},
                 "100 0.1\n100 0.1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(d / "tampon"), "mine\n");
    EXPECT_EQ(read_file(d / "tampon2"), "mine too\n");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(d.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"in.txt", "o.hkl", "o.txt", "ofin.hkl", "og.txt", "tampon",
                                        "tampon2", "za", "za.hkl", "zb", "zb.hkl"}));
}

TEST(MergeTool, WideIndicesSurviveTheirFixedColumns) {
    // "%4d%4d%4d" writes 12 -103 7 as "  12-103   7": read back, it is still that reflection.
    TempDir d;
    write_file(d / "in.txt", "za\n");
    write_file(d / "za", "12 -103 7 100 10 0 10 0.5 0 0 0\n");
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "1", "1", "o"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(d / "za.hkl"),
              "  12-103   7         100.00          10.00     0.50000000\n");
    EXPECT_EQ(read_file(d / "ofin.hkl"), read_file(d / "za.hkl"));
    EXPECT_EQ(r.err, "");
}

TEST(MergeTool, CalibrationOfZeroPixelsIsAskedAgain) {
    TempDir d;
    write_zones(d);
    write_file(d / "in.txt", "za\n");
    const auto r =
        run_tool(kTool, d.path(), {"in.txt", "0", "100", "2", "0", "0", "0", "1", "1", "o"},
                 "0 0.4\n352 x\n352 0.4\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(begins(r.out, kGreeting + "il y a 1 ZAP\n" + kCalibration + kCalibration +
                                  kCalibration + "file 1 done\n\n"));
    // 0 2 0 and 0 -2 0: spots 352 pixels apart, so g = 176 * 0.4 / 352 = 0.2.
    EXPECT_EQ(read_file(d / "za.hkl"),
              "   0  -2   0          85.00           8.50     0.20000000\n");
}

}  // namespace
}  // namespace ped::merge
