// The French build: its catalogue against the English one, its three behaviours, and a whole
// run compared with the English build's, line by line.
#include <gtest/gtest.h>

#include <regex>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/messages.hpp"

namespace ped::merge {
namespace {

using test::read_file;
using test::run_tool;
using test::TempDir;
using test::write_file;

const std::string kEnglish = TAV3ENG;
const std::string kFrench = TAV3FR;

// The printf conversions of a text, in order ("%lf", "%d", ...).
std::vector<std::string> conversions(const char* text) {
    std::vector<std::string> out;
    static const std::regex conversion("%[-+ #0-9.]*(l?[dfs]|c)");
    const std::string s = text;
    for (auto it = std::sregex_iterator(s.begin(), s.end(), conversion);
         it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

TEST(French, EveryTextHasItsCounterpartWithTheSameArguments) {
    const auto fields = [](const Messages& m) {
        return std::vector<const char*>{m.language.error_header,
                                        m.ask_list,
                                        m.ask_glimits,
                                        m.ask_sigma,
                                        m.ask_negatives,
                                        m.ask_error_choice,
                                        m.ask_friedel,
                                        m.ask_space_group,
                                        m.ask_lorentz,
                                        m.ask_voltage_angle,
                                        m.ask_output,
                                        m.file_done,
                                        m.banner_glimits,
                                        m.banner_sigma,
                                        m.banner_space_group,
                                        m.banner_negatives_to_1,
                                        m.banner_negatives_deleted,
                                        m.banner_poisson,
                                        m.banner_sigbg,
                                        m.banner_friedel_merged,
                                        m.banner_friedel_not_merged,
                                        m.banner_lorentz,
                                        m.banner_no_lorentz,
                                        m.intensity_pairs.count,
                                        m.intensity_pairs.stats,
                                        m.intensity_pairs.outliers,
                                        m.intensity_pairs.no_good,
                                        m.intensity_pairs.average,
                                        m.g_pairs.count,
                                        m.g_pairs.stats,
                                        m.g_pairs.outliers,
                                        m.g_pairs.no_good,
                                        m.g_pairs.average,
                                        m.weight_mean,
                                        m.relative_diff,
                                        m.linear_factor,
                                        m.g_factor,
                                        m.zero_pivot,
                                        m.wrong_space_group,
                                        m.no_merging,
                                        m.totals,
                                        m.class_prefix};
    };
    const auto en = fields(english_catalogue), fr = fields(french_catalogue);
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(conversions(en[i]), conversions(fr[i])) << en[i] << " / " << fr[i];
        EXPECT_STRNE(en[i], fr[i]) << en[i];
    }
    // The GOOD line names no zones in French.
    EXPECT_TRUE(conversions(french_catalogue.intensity_pairs.good).empty());
    EXPECT_EQ(conversions(english_catalogue.intensity_pairs.good),
              (std::vector<std::string>{"%s", "%s"}));
    // The calibration question asks one number in French, two in English.
    EXPECT_EQ(french_catalogue.calibration_pixels, 2048);
    EXPECT_EQ(english_catalogue.calibration_pixels, 0);
}

TEST(French, AccentedBannerBytes) {
    TempDir d;
    write_file(d / "in.txt", "");
    const auto r =
        run_tool(kFrench, d.path(), {"in.txt", "0", "1", "2", "0", "0", "1", "1", "1", "o"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string banner = read_file(d / "o.txt");
    EXPECT_NE(banner.find("* Les reflexions n\xE9gatives sont mises \xE0 1      "),
              std::string::npos);
    EXPECT_NE(banner.find("* Les limites en g sont : 0.00 et 1.00   "), std::string::npos);
}

TEST(French, OneNumberCalibrationFor2048Pixels) {
    // Mates 400 pixels apart, 1.024 per 2048 pixels: g = 400 / 2 * 1.024 / 2048 = 0.1, as the
    // English build gives with the pair 2048 pixels for 1.024.
    TempDir d;
    write_file(d / "in.txt", "za\n");
    write_file(d / "za", "1 0 0 10 1 0 1 0.5 0 1224 1024\n-1 0 0 20 1 0 1 0.5 0 824 1024\n");
    const std::vector<std::string> args = {"in.txt", "0", "100", "0", "0", "0", "0", "1", "1", "o"};
    auto r = run_tool(kFrench, d.path(), args, "1.024\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Quel est le parametre de calibration ?\n"), std::string::npos);
    const std::string prepared = "   1   0   0          15.00           1.00     0.10000000\n";
    EXPECT_EQ(read_file(d / "za.hkl"), prepared);
    r = run_tool(kEnglish, d.path(), args, "2048 1.024\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(d / "za.hkl"), prepared);
}

TEST(French, ConditionTraceForEveryZone) {
    TempDir d;
    write_file(d / "in.txt", "za\nzb\nzc\n");
    for (const char* z : {"za", "zb", "zc"}) write_file(d / z, "0 1 0 10 1 0 1 0.5 0 0 0\n");
    const auto r =
        run_tool(kFrench, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "14", "1", "o"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> trace;
    for (const std::string& line : test::lines_of(r.out))
        if (line.rfind("cond vaut : ", 0) == 0) trace.push_back(line);
    EXPECT_EQ(trace, (std::vector<std::string>{"cond vaut : 2", "cond vaut : 5", "cond vaut : 0",
                                               "cond vaut : 2", "cond vaut : 5", "cond vaut : 0",
                                               "cond vaut : 2", "cond vaut : 5", "cond vaut : 0"}));
    EXPECT_NE(r.out.find("cond vaut : 2\n   0   1   0"), std::string::npos);
}

TEST(French, VerdictLines) {
    TempDir d;
    write_file(d / "in.txt", "za\nzb\n");
    write_file(d / "za", "1 0 0 100 10 0 10 0.5 0 0 0\n2 0 0 100 10 0 10 0.6 0 0 0\n");
    // Ratios 1 and 2.5: a spread above a quarter of the mean, AVERAGE.
    write_file(d / "zb", "1 0 0 100 10 0 10 0.5 0 0 0\n2 0 0 250 10 0 10 0.6 0 0 0\n");
    const auto r =
        run_tool(kFrench, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "1", "1", "o"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string report = read_file(d / "o.txt");
    const std::string marks17(17, '!'), marks41(41, '!');
    EXPECT_NE(report.find(marks17 + "\n!!! C'EST BON !!!\n" + marks17 + "\n\n\n"),
              std::string::npos);
    EXPECT_NE(report.find(marks41 + "\n!!! C'EST MOYEN entre za.hkl et zb.hkl !!!\n" + marks41),
              std::string::npos);
}

TEST(French, WrongSpaceGroup) {
    TempDir d;
    write_file(d / "in.txt", "za\n");
    write_file(d / "za", "1 0 0 100 10 0 10 0.5 0 0 0\n");
    const auto r =
        run_tool(kFrench, d.path(), {"in.txt", "0", "100", "0", "0", "0", "1", "300", "1", "o"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string tail =
        "GROS BUG dans " + kFrench +
        " \npb de SG\nTromper de symetrie\nEssaye encore\n\n"
        "Nombre total de reflexions : 1\nNombre de reflexions redondantes : 0\n"
        "Nombre de reflexions independantes : 1\nRint = 0.000000\n\n"
        "Que chabat !!!\n\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
}

// The numbers of a line, in order.
std::vector<std::string> numbers(const std::string& line) {
    static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
         it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

// Compares two texts line by line: same count, same numbers, and (when asked) other words.
void same_numbers(const std::string& en, const std::string& fr, const std::string& what) {
    const auto a = test::lines_of(en), b = test::lines_of(fr);
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(numbers(a[i]), numbers(b[i])) << what << " line " << i + 1 << "\n"
                                                << a[i] << "\n"
                                                << b[i];
}

TEST(French, WholeRunSameNumbersOtherWords) {
    TempDir en, fr;
    for (const TempDir* d : {&en, &fr}) {
        write_file(*d / "in.txt", "alpha\nbeta\ngamma\n");
        write_file(*d / "alpha",
                   "0 2 0 100 10 0 11 0.40 0 1200 1024\n0 -2 0 104 10 0 11 0.40 0 848 1024\n"
                   "2 0 0 300 17 0 18 0.36 0 1024 1240\n-2 0 0 290 17 0 18 0.36 0 1024 808\n"
                   "1 1 0 -5 2 0 3 0.22 0 1100 1100\n-1 -1 0 7 2 0 3 0.22 0 948 948\n");
        write_file(*d / "beta",
                   "0 2 0 210 14 0 15 0.40 0 1200 1024\n0 -2 0 190 14 0 15 0.40 0 848 1024\n"
                   "0 0 2 400 20 0 21 0.37 0 1024 1250\n0 0 -2 420 20 0 21 0.37 0 1024 798\n");
        write_file(*d / "gamma",
                   "2 0 0 150 12 0 13 0.36 0 1024 1240\n-2 0 0 160 12 0 13 0.36 0 1024 808\n"
                   "0 0 2 200 14 0 15 0.37 0 1024 1250\n0 0 -2 190 14 0 15 0.37 0 1024 798\n");
    }
    const std::vector<std::string> args = {"in.txt", "0.1", "2", "1",   "0",   "0",
                                           "0",      "62",  "0", "200", "1.5", "run"};
    const auto e = run_tool(kEnglish, en.path(), args, "2048 1.7\n2048 1.7\n2048 1.7\n");
    const auto f = run_tool(kFrench, fr.path(), args, "1.7\n1.7\n1.7\n");
    ASSERT_EQ(e.status, 0) << e.err;
    ASSERT_EQ(f.status, 0) << f.err;

    // The console, without the French condition trace.
    std::string french_console;
    for (const std::string& line : test::lines_of(f.out))
        if (line.rfind("cond vaut : ", 0) != 0) french_console += line + "\n";
    same_numbers(e.out, french_console, "console");
    same_numbers(read_file(en / "run.txt"), read_file(fr / "run.txt"), "run.txt");
    same_numbers(read_file(en / "rung.txt"), read_file(fr / "rung.txt"), "rung.txt");
    for (const char* file : {"run.hkl", "runfin.hkl", "alpha.hkl", "beta.hkl", "gamma.hkl"})
        EXPECT_EQ(read_file(en / file), read_file(fr / file)) << file;
    EXPECT_NE(read_file(fr / "runfin.hkl"), "");
    EXPECT_NE(e.out, french_console);
}

}  // namespace
}  // namespace ped::merge
