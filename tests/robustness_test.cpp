// Every tool on hostile input: truncated, binary, huge numbers, very long lines, Windows line
// ends, empty files. Each run ends with a clear message (status 255) or a sound result
// (status 0); never a crash, a hang, or a number that is not one in a file or on the console.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>

#include "common/text.hpp"
#include "harness.hpp"

namespace ped {
namespace {

using test::run_tool;
using test::TempDir;
using test::write_file;

// Variants of one valid input: name and text.
std::vector<std::pair<std::string, std::string>> variants(const std::string& valid,
                                                          const std::string& huge) {
    std::string binary, crlf;
    for (int i = 0; i < 3000; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
    for (char c : valid) crlf += c == '\n' ? "\r\n" : std::string(1, c);
    return {{"truncated", valid.substr(0, valid.size() * 2 / 3)},
            {"binary", binary},
            {"binary after valid lines", valid + binary},
            {"huge numbers", huge},
            {"very long line", valid + std::string(1 << 20, '7') + "\n" + valid},
            {"very long line of words", std::string(1 << 19, ' ') + "1 2 3 " + valid},
            {"windows line ends", crlf},
            {"empty", ""}};
}

// True when "nan" or "inf" stands as a word (any case, sign or not): a number that is not one.
bool has_non_number(const std::string& text) {
    const auto at = [&text](size_t i) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    };
    const auto letter = [&text](size_t i) {
        return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]));
    };
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        const bool word = (at(i) == 'n' && at(i + 1) == 'a' && at(i + 2) == 'n') ||
                          (at(i) == 'i' && at(i + 1) == 'n' && at(i + 2) == 'f');
        if (word && (i == 0 || !letter(i - 1)) && !letter(i + 3)) return true;
    }
    return false;
}

// The status is 0 or 255 (with the error header), and no "nan" or "inf" stands as a value on
// the console or in a file (pictures aside).
void expect_sound(const test::RunResult& r, const TempDir& d, const std::string& what) {
    EXPECT_TRUE(r.status == 0 || r.status == 255) << what << ": status " << r.status << "\n"
                                                  << r.err.substr(0, 2000);
    EXPECT_TRUE(r.status != 255 || r.out.find("ERROR in") != std::string::npos ||
                r.out.find("GROS BUG dans") != std::string::npos)
        << what;
    EXPECT_FALSE(has_non_number(r.out)) << what;
    for (const auto& entry : std::filesystem::directory_iterator(d.path())) {
        if (entry.is_regular_file() && entry.path().extension() != ".png") {
            EXPECT_FALSE(has_non_number(test::read_file(entry.path().string())))
                << what << ": " << entry.path().filename();
        }
    }
}

const std::string kZone =
    "; zone\n"
    "   0   2   0  80.0  8.0  1.0  9.0  0.40  2.5  1200  1024\n"
    "   0  -2   0  90.0  9.0  1.0  9.5  0.40  2.5   848  1024\n"
    "   2   0   0  70.0  7.0  1.0  8.0  0.36  2.5  1024  1240\n"
    "  -2   0   0  75.0  7.0  1.0  8.0  0.36  2.5  1024   808\n"
    "   1   1   0  -3.0  1.0  1.0  2.0  0.25  4.0  1100  1100\n";
const std::string kHugeZone =
    "0 2 0 1e308 1e-300 0 1e-300 0.4 0 1e308 -1e308\n"
    "0 -2 0 1.7e308 1e308 0 1e308 1e300 0 -1e308 1e308\n"
    "2147483647 -2147483648 2147483647 1e307 1 0 1 0.3 0 0 0\n"
    "-2147483648 -2147483648 -2147483648 1e307 1 0 1 1e-310 0 0 0\n"
    "2 0 0 99999999999999999999 1 0 1 0.36 0 1024 1240\n"
    "1 1 1 1 0 0 0 0 0 0 0\n";
const std::vector<std::string> kMergeArgs = {"in.txt", "0", "100", "0.5", "0",
                                             "0",      "1", "62",  "1",   "o"};

TEST(Robustness, MergeTool) {
    for (const auto& [name, text] : variants(kZone, kHugeZone))
        for (const char* friedel : {"0", "1"}) {
            TempDir d;
            write_file(d / "in.txt", "za\nzb\n");
            write_file(d / "za", text);
            write_file(d / "zb", kZone);
            for (const char* tool : {TAV3ENG, TAV3FR}) {
                const auto r = run_tool(
                    tool, d.path(),
                    {"in.txt", "0", "100", "0.5", "0", "0", friedel, "62", "0", "200", "1", "o"},
                    tool == std::string(TAV3FR) ? "1\n1\n" : "100 1\n100 1\n");
                expect_sound(r, d, name + " (zone file)");
            }
            write_file(d / "list", text);  // the same text as the list file
            std::vector<std::string> args = kMergeArgs;
            args[0] = "list", args[9] = "o2";
            expect_sound(run_tool(TAV3ENG, d.path(), args), d, name + " (list file)");
        }
    for (const auto& [name, text] :
         variants("\n0 1\n2\n0\n0\n1\n14\n1\nout\n", "1e308 -1e308\n1e999\n")) {
        TempDir d;
        write_file(d / "in.txt", "za\n");
        write_file(d / "za", kZone);
        expect_sound(run_tool(TAV3ENG, d.path(), {}, text), d, name + " (answers)");
    }
}

// Enough reflections of a cell of 5, 6 and 7 angstrom for fits.
std::string many_reflections() {
    std::string many;
    for (int h = 0; h < 6; ++h)
        for (int k = 0; k < 6; ++k)
            for (int l = 0; l < 4; ++l)
                many += strprintf("%4d%4d%4d%15.2f%15.2f%15.8f\n", h, k, l, 100.0, 10.0,
                                  std::sqrt(h * h / 25.0 + k * k / 36.0 + l * l / 49.0));
    return many;
}

TEST(Robustness, CellAndMapTools) {
    const std::string merged =
        "   1   0   0         100.00          10.00     0.20000000\n"
        "   0   1   0         100.00          10.00     0.25000000\n"
        "   0   0   1         100.00          10.00     0.33333333\n"
        "   1   1   0         100.00          10.00     0.32015621\n" +
        many_reflections();
    const std::string huge =
        "1 0 0 1e308 1e-308 1e308\n0 1 0 1 0 1e-300\n2147483647 2147483647 2147483647 1 1 1\n"
        "1 1 1 -1e308 1e308 0.5\n" +
        many_reflections();
    for (const auto& [name, text] : variants(merged, huge))
        for (const char* symmetry : {"99", "109", "111", "113", "104", "97"}) {
            TempDir d;
            write_file(d / "m.hkl", text);
            const auto r = run_tool(CELLSOLVE, d.path(), {"m.hkl", symmetry, "0", "1.5", "3"});
            expect_sound(r, d, name + " (merged file, symmetry " + symmetry + ")");
        }
    for (const auto& [name, text] : variants("0 0 1.0\n10 0 1.0\n-20 5 0.5\n",
                                             "1e308 -1e308 1e308\n0 0 1e-308\n1e300 0 1\n")) {
        TempDir d;
        write_file(d / "tilts", text);
        expect_sound(run_tool(TILTMAP, d.path(), {"tilts", "out"}, "1\n2\n"), d, name);
    }
}

TEST(Robustness, FullDiskIsAFailure) {
    // Every output written into /dev/full: the tool says so and ends with status 255.
    TempDir d;
    write_file(d / "in.txt", "za\n");
    write_file(d / "za", kZone);
    std::vector<std::string> args = kMergeArgs;
    args.insert(args.end(), {"--shelx", "--cif", "--kv=200", "--cell", "5,6,7,90,90,90"});
    const char* outputs[] = {"za.hkl",
                             "o.txt",
                             "og.txt",
                             "o.hkl",
                             "ofin.hkl",
                             "o_shelx.hkl",
                             "o_shelx_merged.hkl",
                             "o_shelx.ins",
                             "o_hkl.cif"};
    for (const char* file : outputs) {
        for (const char* f : outputs) std::filesystem::remove(d / f);
        std::filesystem::create_symlink("/dev/full", d / file);
        const auto r = run_tool(TAV3ENG, d.path(), args);
        EXPECT_EQ(r.status, 255) << file;
        EXPECT_NE(r.out.find("error: cannot write file"), std::string::npos) << file;
        EXPECT_EQ(r.out.find("Que chabat"), std::string::npos) << file;
    }
    for (const char* f : outputs) std::filesystem::remove(d / f);

    // The console itself on a full disk.
    auto r = run_tool(TAV3ENG, d.path(), kMergeArgs, "", "/dev/full");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.err.find("console output could not be written"), std::string::npos);
    write_file(d / "m.hkl", many_reflections());
    std::filesystem::create_symlink("/dev/full", d / "m.out");
    EXPECT_EQ(run_tool(CELLSOLVE, d.path(), {"m.hkl", "99", "0", "1.5", "3"}).status, 255);
    EXPECT_EQ(run_tool(TILTMAP, d.path(), {"tilts", "out"}, "1\n2\n", "/dev/full").status, 255);
}

}  // namespace
}  // namespace ped
