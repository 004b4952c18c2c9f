// Every tool on hostile input: truncated, binary, huge numbers, very long lines, Windows line
// ends, empty files. Each run ends with a clear message (status 255) or a sound result
// (status 0); never a crash, a hang, or a number that is not one in a file or on the console.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>

#include "harness.hpp"

namespace ped {
namespace {

using test::read_file;
using test::run_tool;
using test::TempDir;
using test::write_file;

struct Hostile {
    std::string name, text;
};

// Variants of one valid input.
std::vector<Hostile> variants(const std::string& valid, const std::string& huge) {
    std::string binary;
    for (int i = 0; i < 3000; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
    std::string crlf;
    for (char c : valid) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return {
        {"truncated", valid.substr(0, valid.size() * 2 / 3)},
        {"binary", binary},
        {"binary after valid lines", valid + binary},
        {"huge numbers", huge},
        {"very long line", valid + std::string(1 << 20, '7') + "\n" + valid},
        {"very long line of words", std::string(1 << 19, ' ') + "1 2 3 " + valid},
        {"windows line ends", crlf},
        {"empty", ""},
    };
}

// No "nan" or "inf" as a value, whatever the case.
bool has_non_number(const std::string& text) {
    static const std::regex bad("(^|[^a-zA-Z])[-+]?(nan|inf)([^a-zA-Z]|$)", std::regex::icase);
    return std::regex_search(text, bad);
}

void expect_sound(const test::RunResult& r, const TempDir& d, const std::string& what) {
    EXPECT_TRUE(r.status == 0 || r.status == 255) << what << ": status " << r.status << "\n"
                                                  << r.err.substr(0, 2000);
    if (r.status == 255) {
        EXPECT_TRUE(r.out.find("ERROR in") != std::string::npos ||
                    r.out.find("GROS BUG dans") != std::string::npos)
            << what;
    }
    EXPECT_FALSE(has_non_number(r.out)) << what;
    for (const auto& entry : std::filesystem::directory_iterator(d.path())) {
        const std::string file = entry.path().filename().string();
        if (!entry.is_regular_file() || (file.size() > 4 && file.substr(file.size() - 4) == ".pgm"))
            continue;
        EXPECT_FALSE(has_non_number(read_file(entry.path().string()))) << what << ": " << file;
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

TEST(Robustness, MergeTool) {
    for (const Hostile& h : variants(kZone, kHugeZone))
        for (int friedel : {0, 1}) {
            TempDir d;
            write_file(d / "in.txt", "za\nzb\n");
            write_file(d / "za", h.text);
            write_file(d / "zb", kZone);
            for (const char* tool : {TAV3ENG, TAV3FR}) {
                const std::string answers =
                    std::string(tool) == TAV3FR ? "1\n1\n" : "100 1\n100 1\n";
                const auto r = run_tool(tool, d.path(),
                                        {"in.txt", "0", "100", "0.5", "0", "0",
                                         std::to_string(friedel), "62", "0", "200", "1", "o"},
                                        answers);
                expect_sound(r, d, h.name + " (zone file)");
            }
            // The same text as the list file.
            write_file(d / "list", h.text);
            const auto r = run_tool(TAV3ENG, d.path(),
                                    {"list", "0", "100", "0.5", "0", "0", "1", "62", "1", "o2"});
            expect_sound(r, d, h.name + " (list file)");
        }
}

TEST(Robustness, MergeToolConsole) {
    for (const Hostile& h : variants("\n0 1\n2\n0\n0\n1\n14\n1\nout\n", "1e308 -1e308\n1e999\n")) {
        TempDir d;
        write_file(d / "in.txt", "za\n");
        write_file(d / "za", kZone);
        expect_sound(run_tool(TAV3ENG, d.path(), {}, h.text), d, h.name + " (answers)");
    }
}

const std::string kMerged =
    "   1   0   0         100.00          10.00     0.20000000\n"
    "   0   1   0         100.00          10.00     0.25000000\n"
    "   0   0   1         100.00          10.00     0.33333333\n"
    "   1   1   0         100.00          10.00     0.32015621\n";
const std::string kHugeMerged =
    "1 0 0 1e308 1e-308 1e308\n0 1 0 1 0 1e-300\n2147483647 2147483647 2147483647 1 1 1\n"
    "1 1 1 -1e308 1e308 0.5\n";

// Enough reflections of a cell of 5, 6 and 7 angstrom for fits.
std::string many_reflections() {
    std::string many;
    for (int h = 0; h < 6; ++h)
        for (int k = 0; k < 6; ++k)
            for (int l = 0; l < 4; ++l)
                many += "   " + std::to_string(h) + "   " + std::to_string(k) + "   " +
                        std::to_string(l) + "         100.00          10.00     " +
                        std::to_string(std::sqrt(h * h / 25.0 + k * k / 36.0 + l * l / 49.0)) +
                        "\n";
    return many;
}

TEST(Robustness, CellTool) {
    const std::string many = many_reflections();
    for (const Hostile& h : variants(kMerged + many, kHugeMerged + many)) {
        for (const char* symmetry : {"99", "109", "111", "113", "104", "97"}) {
            TempDir d;
            write_file(d / "m.hkl", h.text);
            const auto r = run_tool(CELLSOLVE, d.path(), {"m.hkl", symmetry, "0", "1.5", "3"});
            expect_sound(r, d, h.name + " (merged file, symmetry " + symmetry + ")");
        }
    }
}

TEST(Robustness, MapTool) {
    for (const Hostile& h : variants("0 0 1.0\n10 0 1.0\n-20 5 0.5\n",
                                     "1e308 -1e308 1e308\n0 0 1e-308\n1e300 0 1\n")) {
        TempDir d;
        write_file(d / "tilts", h.text);
        const auto r = run_tool(TILTMAP, d.path(), {"tilts", "out"}, "1\n2\n");
        expect_sound(r, d, h.name + " (tilt file)");
    }
}

TEST(Robustness, FullDiskIsAFailure) {
    // Every output written into /dev/full: the tool says so and ends with status 255.
    TempDir d;
    write_file(d / "in.txt", "za\n");
    write_file(d / "za", kZone);
    const std::vector<std::string> args = {
        "in.txt", "0",        "100",    "0.5",           "0", "0", "1", "62", "1", "o", "--shelx",
        "--cif",  "--kv=200", "--cell", "5,6,7,90,90,90"};
    const std::vector<std::string> outputs = {"za.hkl",
                                              "o.txt",
                                              "og.txt",
                                              "o.hkl",
                                              "ofin.hkl",
                                              "o_shelx.hkl",
                                              "o_shelx_merged.hkl",
                                              "o_shelx.ins",
                                              "o_hkl.cif"};
    for (const std::string& file : outputs) {
        for (const std::string& f : outputs) std::filesystem::remove(d / f);
        std::filesystem::create_symlink("/dev/full", d / file);
        const auto r = run_tool(TAV3ENG, d.path(), args);
        EXPECT_EQ(r.status, 255) << file;
        EXPECT_NE(r.out.find("error: cannot write file"), std::string::npos) << file;
        EXPECT_EQ(r.out.find("Que chabat"), std::string::npos) << file;
    }
    for (const std::string& f : outputs) std::filesystem::remove(d / f);

    // The console itself on a full disk.
    auto r = run_tool(TAV3ENG, d.path(), args, "", "/dev/full");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.err.find("console output could not be written"), std::string::npos);

    write_file(d / "m.hkl", many_reflections());
    std::filesystem::create_symlink("/dev/full", d / "m.out");
    r = run_tool(CELLSOLVE, d.path(), {"m.hkl", "99", "0", "1.5", "3"});
    EXPECT_EQ(r.status, 255);
    r = run_tool(TILTMAP, d.path(), {"tilts", "out"}, "1\n2\n", "/dev/full");
    EXPECT_EQ(r.status, 255);
}

}  // namespace
}  // namespace ped
