// cellsolve as a user runs it: the dialogue, the scan of windows, the fits of the five
// crystal systems on merged files made from known cells, the report and the cell line.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "harness.hpp"
#include "merged_data.hpp"

namespace ped::cell {
namespace {

using ped::test::file_exists;
using ped::test::read_file;
using ped::test::run_tool;
using ped::test::TempDir;
using ped::test::write_file;
using test::KnownCell;
using test::merged_file;
using test::merged_line;

const std::string kTool = CELLSOLVE;

const std::string kStart =
    "Korvel vous remercie d'utiliser son programme.\n\n"
    "Ce programme calcule des parametres de maille\na partir des fichiers de sorties de TAV2\n"
    "qui sont au format h k l I sigI g\n\n\n";
const std::string kAskInput =
    "Entrer le nom du fichier de sortie de TAV2. (TAVsortiefin.hkl par defaut)\n";
const std::string kAskSymmetry =
    "Quelle est la symetrie de la maille? \n('c' pour cubique, 'q' pour tetragonal, \n'o' pour "
    "orthorhombique, 'h' pour hexagonal, 'm' pour monoclinique)\n";
const std::string kWrongSymmetry = "tromper de symetrie \nessaye encore\n";
const std::string kAskLimits = "Quelle est la valeur de gmin ?\nQuelle est la valeur de gmax ?\n";
const std::string kAskThreshold = "Quelle est la valeur max de I/sigma(I) ?\n";
const std::string kGap = "\n\n\n\n\n\n";
const std::string kRightAngles = "   90.0000   90.0000   90.0000";
const std::string kBug = "GROS BUG dans " + kTool + " \n";

std::string no_fit(const std::string& output) {
    return "Aucun affinement n'a abouti : aucune fenetre n'a fourni au moins 25 reflexions\n"
           "avec un systeme normal non degenere. Pas de parametres de maille ; rien n'est\n"
           "ecrit dans " +
           output + ".\n";
}

std::string window(int t, const char* g1, const char* g2, int m) {
    return strprintf(
        "limit vaut : %d\ngmin vaut : %s\ngmax vaut : %s\nIl y a %d reflexions "
        "considerees\n\n",
        t, g1, g2, m);
}

// The windows printed, as "t g1 g2 m".
std::vector<std::string> windows_of(const std::string& out) {
    static const std::regex w(
        "limit vaut : (\\d+)\ngmin vaut : (\\S+)\ngmax vaut : (\\S+)\nIl y a (\\d+) reflexions "
        "considerees\n");
    std::vector<std::string> found;
    for (std::sregex_iterator i(out.begin(), out.end(), w), end; i != end; ++i)
        found.push_back((*i)[1].str() + " " + (*i)[2].str() + " " + (*i)[3].str() + " " +
                        (*i)[4].str());
    return found;
}

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// Cubic a = 4: `n` copies of the 2 0 0 family at g = 0.5 with I/sigI exactly 2, and when
// `more`, five 1 0 0 at g = 0.25 with I/sigI 1.5 and three 4 0 0 at g = 1 with I/sigI 10.
std::string cubic_windows_data(int n, bool more) {
    static const int family[6][3] = {{2, 0, 0},  {0, 2, 0},  {0, 0, 2},
                                     {-2, 0, 0}, {0, -2, 0}, {0, 0, -2}};
    std::string text;
    if (more)
        for (int i = 0; i < 5; ++i) text += merged_line(1, 0, 0, 15, 10, 0.25);
    for (int i = 0; i < n; ++i) {
        const int* f = family[i % 6];
        text += merged_line(f[0], f[1], f[2], 20, 10, 0.5);
    }
    if (more)
        for (int i = 0; i < 3; ++i) text += merged_line(0, 0, 4, 100, 10, 1.0);
    return text;
}

TEST(CellTool, DialogueWithDefaultNameAndRefusedAnswers) {
    TempDir d;
    write_file(d / "TAVsortiefin.hkl", merged_file({4, 4, 4}, 4, 1.6, true));
    // Enter at the file prompt, 'C' then 'c', limits 1 and 1.4 then 1 and 1.6, threshold 1
    // then 2.
    const auto r = run_tool(kTool, d.path(), {}, "\nC\nc\n1\n1.4\n1\n1.6\n1\n2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string questions = kStart + kAskInput + "Il y a 120 reflexions\n\n" + kAskSymmetry +
                                  kWrongSymmetry + kAskSymmetry + kAskLimits +
                                  "gmin et gmax sont trop proches\n" + kAskLimits + kAskThreshold +
                                  "la valeur est trop faible\n" + kAskThreshold;
    EXPECT_EQ(r.out.substr(0, questions.size()), questions);
    EXPECT_EQ(windows_of(r.out),
              (std::vector<std::string>{"1 1.000000 1.600000 70", "2 1.000000 1.600000 70"}));
    EXPECT_EQ(read_file(d / "TAVsortiefin.out"), "    4.0000    4.0000    4.0000" + kRightAngles);
    EXPECT_EQ(r.err, "");
}

TEST(CellTool, WindowsInScanOrderWithTheirBoundsIncluded) {
    TempDir d;
    write_file(d / "w.hkl", cubic_windows_data(30, true));
    const auto r = run_tool(kTool, d.path(), {"w.hkl", "99", "0", "1", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    // g = 0.5 lies on the bounds of every window and I/sigI = 2 on the second threshold.
    EXPECT_EQ(windows_of(r.out),
              (std::vector<std::string>{
                  "1 0.000000 1.000000 38", "1 0.000000 0.750000 35", "1 0.000000 0.500000 35",
                  "1 0.250000 1.000000 38", "1 0.250000 0.750000 35", "1 0.250000 0.500000 35",
                  "1 0.500000 1.000000 33", "1 0.500000 0.750000 30", "2 0.000000 1.000000 33",
                  "2 0.000000 0.750000 30", "2 0.000000 0.500000 30", "2 0.250000 1.000000 33",
                  "2 0.250000 0.750000 30", "2 0.250000 0.500000 30", "2 0.500000 1.000000 33",
                  "2 0.500000 0.750000 30"}));
    const std::string fit =
        "le parametre de maille est:\n  a=4.000000\nchi2 vaut 0.000000\nl'ecart moyen vaut "
        "0.000000\n";
    EXPECT_EQ(count(r.out, fit), 16u);
    EXPECT_NE(r.out.find(fit + "le nombre est 16\n\n\n\n" + kGap +
                         "Le parametre de maille est :\n\ta = 4.0000 + ou - 0.0000\nchi2 moyen "
                         "= 0.000000\n"),
              std::string::npos);
    EXPECT_EQ(read_file(d / "w.out"), "    4.0000    4.0000    4.0000" + kRightAngles);
}

TEST(CellTool, TwentyFourReflectionsAreNotFittedAndTwentyFiveAre) {
    TempDir d;
    write_file(d / "w.hkl", cubic_windows_data(24, false));
    auto r = run_tool(kTool, d.path(), {"w.hkl", "99", "0", "1", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string scan;
    for (int t = 1; t <= 2; ++t)
        scan += window(t, "0.000000", "1.000000", 24) + window(t, "0.250000", "1.000000", 24) +
                window(t, "0.500000", "1.000000", 24);
    EXPECT_EQ(r.out, kStart + "Il y a 24 reflexions\n\n" + scan + kGap + no_fit("w.out"));
    EXPECT_EQ(read_file(d / "w.out"), "");

    write_file(d / "w.hkl", cubic_windows_data(25, false));
    r = run_tool(kTool, d.path(), {"w.hkl", "99", "0", "1", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(windows_of(r.out).size(), 16u);
    EXPECT_NE(r.out.find("le nombre est 16\n"), std::string::npos);
    EXPECT_EQ(read_file(d / "w.out"), "    4.0000    4.0000    4.0000" + kRightAngles);
}

// Runs a known cell through the tool: every fit must print `fit` exactly, and the cell line
// must be `line`.
void expect_exact_fits(const std::string& data, const std::string& code, const std::string& fit,
                       const std::string& line) {
    TempDir d;
    write_file(d / "cell.hkl", data);
    const auto r = run_tool(kTool, d.path(), {"cell.hkl", code, "0.2", "1.2", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t fits = count(r.out, "le nombre est ");
    EXPECT_GE(fits, 4u);
    EXPECT_EQ(count(r.out, fit + "chi2 vaut 0.000000\nl'ecart moyen vaut 0.000000\n"), fits)
        << r.out;
    EXPECT_EQ(read_file(d / "cell.out"), line);
    EXPECT_EQ(r.err, "");
}

TEST(CellTool, ExactCellsOfTheFourOtherSystems) {
    expect_exact_fits(merged_file({3, 3, 5, 90, 90, 120}, 3, 1.2), "104",
                      "les parametres de maille sont:\n  a=3.000000\n  c=5.000000\n",
                      "    3.0000    3.0000    5.0000   90.0000   90.0000  120.0000");
    expect_exact_fits(merged_file({4.2, 4.2, 6.1}, 4, 1.2), "113",
                      "les parametres de maille sont:\n  a=4.200000\n  c=6.100000\n",
                      "    4.2000    4.2000    6.1000" + kRightAngles);
    expect_exact_fits(merged_file({5.44, 7.64, 5.38}, 5, 1.2, true), "111",
                      "les parametres de maille sont:\n  a=5.440000\n  b=7.640000\n  "
                      "c=5.380000\n",
                      "    5.4400    7.6400    5.3800" + kRightAngles);
    // An obtuse monoclinic angle is reported as it is, with a zero residual.
    expect_exact_fits(merged_file({5, 6, 7, 90, 100, 90}, 3, 1.2), "109",
                      "les parametres de maille sont:\n  a=5.000000\n  b=6.000000\n  "
                      "c=7.000000\n  beta=100.000000\n",
                      "    5.0000    6.0000    7.0000   90.0000  100.0000   90.0000");
    expect_exact_fits(merged_file({5, 6, 7, 90, 80, 90}, 3, 1.2), "109",
                      "les parametres de maille sont:\n  a=5.000000\n  b=6.000000\n  "
                      "c=7.000000\n  beta=80.000000\n",
                      "    5.0000    6.0000    7.0000   90.0000   80.0000   90.0000");
}

TEST(CellTool, TetragonalWindowsWithoutAnyLAreDegenerate) {
    TempDir d;
    write_file(d / "t.hkl",
               merged_file({4, 4, 6}, 4, 1.0, false, 100, [](int, int, int l) { return l == 0; }));
    const auto r = run_tool(kTool, d.path(), {"t.hkl", "113", "0", "1", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Each g1 meets one degenerate window and goes on with the next.
    EXPECT_EQ(windows_of(r.out),
              (std::vector<std::string>{"1 0.000000 1.000000 48", "1 0.250000 1.000000 48",
                                        "1 0.500000 1.000000 40", "2 0.000000 1.000000 48",
                                        "2 0.250000 1.000000 48", "2 0.500000 1.000000 40"}));
    EXPECT_EQ(r.out.find("parametres de maille sont"), std::string::npos);
    EXPECT_NE(r.out.find(kGap + no_fit("t.out")), std::string::npos);
    EXPECT_EQ(read_file(d / "t.out"), "");
    EXPECT_EQ(r.err, "");
}

TEST(CellTool, SingleFitHasNoDeviation) {
    TempDir d;
    // I/sigI = 1.5: only the first threshold selects; gmax 0.6 leaves one window.
    write_file(d / "one.hkl", merged_file({4, 4, 4}, 2, 0.6, false, 15));
    const auto r = run_tool(kTool, d.path(), {"one.hkl", "99", "0", "0.6", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.out, "le nombre est "), 1u);
    const std::string report = "le nombre est 1\n\n\n\n" + window(2, "0.000000", "0.600000", 0) +
                               kGap +
                               "Le parametre de maille est :\n\ta = 4.0000\n(un seul "
                               "affinement : l'ecart type sur les parametres n'est pas "
                               "defini)\nchi2 moyen = 0.000000\n";
    EXPECT_EQ(r.out.substr(r.out.size() - report.size()), report);
    EXPECT_EQ(read_file(d / "one.out"), "    4.0000    4.0000    4.0000" + kRightAngles);
}

TEST(CellTool, SymmetryCodeOutsideTheFiveCountsEveryWindowAndWritesNothing) {
    TempDir d;
    write_file(d / "a.hkl", merged_file({4, 4, 4}, 4, 1.6, true));
    const auto r = run_tool(kTool, d.path(), {"a.hkl", "97", "0", "1", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Windows of fewer than 25 reflections print no hint and are not counted.
    const size_t fits = count(r.out, "le nombre est ");
    EXPECT_GE(fits, 4u);
    EXPECT_LT(fits, windows_of(r.out).size());
    const std::string hint = "Si la symetrie est plus basse, utiliser eracel\n\n";
    EXPECT_EQ(count(r.out, hint), fits);
    EXPECT_NE(r.out.find(hint + strprintf("le nombre est %zu\n\n\n\n", fits)), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - kGap.size() - 1), "\n" + kGap);
    EXPECT_EQ(read_file(d / "a.out"), "");
}

TEST(CellTool, CommandLineValuesThatFailAreFatal) {
    TempDir d;
    write_file(d / "c.hkl", merged_file({4, 4, 4}, 4, 1.6, true));
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"c.hkl", "c"}, "erreur : l'argument 2 (\"c\") n'est pas un nombre entier"},
        {{"c.hkl", "99", "zero", "1"}, "erreur : l'argument 3 (\"zero\") n'est pas un nombre"},
        {{"c.hkl", "99", "0", "inf"}, "erreur : l'argument 4 (\"inf\") n'est pas un nombre"},
        {{"c.hkl", "99", "1", "1.4", "2"}, "gmin et gmax sont trop proches"},
        {{"c.hkl", "99", "0", "100.5", "2"}, "gmax - gmin depasse 100"},
        {{"c.hkl", "99", "1e30"}, "comprises entre -1000 et 1000"},
        {{"c.hkl", "99", "0", "1", "1"}, "(argument 5) vaut 1"},
        {{"c.hkl", "99", "0", "1", "1001"}, "(argument 5) vaut 1001"},
        {{"c.hkl", "99", "0", "1", "2.5"}, "l'argument 5 (\"2.5\") n'est pas un nombre entier"},
    };
    for (const auto& c : cases) {
        const auto r = run_tool(kTool, d.path(), c.args, "0\n2\n2\n");
        EXPECT_EQ(r.status, 255) << c.message;
        EXPECT_NE(r.out.find(kBug), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("limit vaut"), std::string::npos) << c.message;
    }
}

TEST(CellTool, ConsoleAnswersThatFailAreAskedAgain) {
    TempDir d;
    write_file(d / "c.hkl", merged_file({4, 4, 4}, 4, 1.6, true));
    // gmin "abc", then 0; gmax 1e999 (not finite), then 200 (too far), then 0 and 1; the
    // threshold 2.5, then 5000, then 2.
    const auto r =
        run_tool(kTool, d.path(), {"c.hkl", "99"}, "abc\n0\n1e999\n200\n0\n1\n2.5\n5000\n2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string gmin = "Quelle est la valeur de gmin ?\n";
    const std::string gmax = "Quelle est la valeur de gmax ?\n";
    const std::string questions = kStart + "Il y a 120 reflexions\n\n" + gmin + gmin + gmax + gmax +
                                  gmin + gmax + kAskThreshold + kAskThreshold + kAskThreshold +
                                  "limit vaut : 1\n";
    EXPECT_EQ(r.out.substr(0, questions.size()), questions);
    EXPECT_NE(r.err.find("'abc' n'est pas un nombre"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("'1e999' n'est pas un nombre"), std::string::npos);
    EXPECT_NE(r.err.find("gmax - gmin depasse 100"), std::string::npos);
    EXPECT_NE(r.err.find("'2.5' n'est pas un nombre entier"), std::string::npos);
    EXPECT_NE(r.err.find("trop grande"), std::string::npos);
    EXPECT_EQ(read_file(d / "c.out"), "    4.0000    4.0000    4.0000" + kRightAngles);
}

TEST(CellTool, EndOfInputWhileAnAnswerIsNeeded) {
    TempDir d;
    write_file(d / "c.hkl", merged_file({4, 4, 4}, 4, 1.6, true));
    for (const char* answers : {"", "c\n", "c\n0\n1\n"}) {
        const auto r = run_tool(kTool, d.path(), {"c.hkl"}, answers);
        EXPECT_EQ(r.status, 255) << answers;
        EXPECT_NE(r.out.find(kBug + "erreur : l'entree est finie"), std::string::npos) << r.out;
    }
}

TEST(CellTool, FileNames) {
    TempDir d;
    // A missing input: fatal, and the output file is there, empty.
    auto r = run_tool(kTool, d.path(), {"nothere.hkl"});
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out, kStart + kBug + "error: cannot open file\n");
    EXPECT_NE(r.err.find("nothere.hkl"), std::string::npos);
    EXPECT_EQ(read_file(d / "nothere.out"), "");

    // An input whose name ends in "out" would be its own output: refused, left as it is.
    const std::string data = merged_file({4, 4, 4}, 4, 1.6, true);
    write_file(d / "result.out", data);
    r = run_tool(kTool, d.path(), {}, "result.out\nc\n0 1 2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find(kBug + "erreur : le fichier de sortie result.out serait le fichier "
                                "d'entree"),
              std::string::npos);
    EXPECT_EQ(read_file(d / "result.out"), data);

    // A name of fewer than three characters gets ".out"; blanks before a typed name are skipped.
    write_file(d / "ab", data);
    r = run_tool(kTool, d.path(), {}, "   ab\nc\n0 1 2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(d / "ab.out"), "    4.0000    4.0000    4.0000" + kRightAngles);
}

TEST(CellTool, LinesThatAreNotRecords) {
    TempDir d;
    // Blank lines are skipped quietly, other lines with a warning; fields that touch are read.
    std::string data = "\n   \n" + merged_file({4, 4, 4}, 4, 1.6, true) + "h k l I sigI g\n" +
                       "   1   0   0  9999999999999.00           1.00     0.25000000\n" +
                       "   0   0   1          10.00           1.00\n";
    data += "  -4   0-1000     2000000.00         100.00     1.00000000\n";
    write_file(d / "m.hkl", data);
    const auto r = run_tool(kTool, d.path(), {"m.hkl", "99", "0", "1", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Il y a 122 reflexions\n\n"), std::string::npos);
    EXPECT_EQ(r.err,
              "m.hkl:123: pas un enregistrement (h k l I sigI g), ligne ignoree\n"
              "m.hkl:125: pas un enregistrement (h k l I sigI g), ligne ignoree\n");
}

}  // namespace
}  // namespace ped::cell
