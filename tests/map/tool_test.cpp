// tiltmap as a user runs it: dialogue, console texts, point file, text map and picture.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include "common/text.hpp"
#include "harness.hpp"

namespace ped::map {
namespace {

using test::read_file;
using test::run_tool;
using test::TempDir;
using test::write_file;

const std::string kTool = TILTMAP;

const std::string kGreeting = "Bonjour,\nKORVEL vous remercie d'utiliser son programme\n";
const std::string kAskInput = "\nQuel est le nom du fichier input?\n";
const std::string kAskRef = "\nQuelle est la ligne de reference\n";
const std::string kAskCount =
    "\nCombien de fois repete-t-on les reflections sur la ligne de reference\n";
const std::string kAskOutput = "\nQuel est le nom du fichier output?\n";
const std::string kBug = "GROS BUG dans " + kTool + " \n";
const std::string kEnd = "Le programme a termine correctement\n";

// The text map as numbers: rows[k][x] is the value of x cell x on y cell 500 - k.
std::vector<std::vector<double>> text_map(const std::string& path) {
    std::vector<std::vector<double>> rows;
    for (const std::string& line : test::lines_of(read_file(path))) {
        std::vector<double> row;
        for (const std::string& word : split_ws(line)) row.push_back(std::atof(word.c_str()));
        rows.push_back(row);
    }
    return rows;
}

// The map as the text matrix and as the picture must be the same grid, cell for cell.
void expect_same_grid(const std::string& output) {
    const auto rows = text_map(output + ".bmp");
    const std::string pgm = read_file(output + ".pgm");
    const std::string header = "P5\n501 501\n255\n";
    ASSERT_EQ(rows.size(), 501u);
    ASSERT_EQ(pgm.size(), header.size() + 501u * 501u);
    ASSERT_EQ(pgm.substr(0, header.size()), header);
    int differ = 0;
    for (size_t k = 0; k < 501; ++k) {
        ASSERT_EQ(rows[k].size(), 501u) << "line " << k;
        for (size_t x = 0; x < 501; ++x)
            differ += rows[k][x] != static_cast<unsigned char>(pgm[header.size() + k * 501 + x]);
    }
    EXPECT_EQ(differ, 0);
}

// Value of cell (x, y) in the text map.
double cell(const std::vector<std::vector<double>>& rows, int x, int y) {
    return rows.at(static_cast<size_t>(500 - y)).at(static_cast<size_t>(x));
}

TEST(MapTool, TwoRowExampleToTheByte) {
    TempDir d;
    write_file(d / "rows.txt", "0 0 1.0\n10 0 1.0\n");
    const auto r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "1\n2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kGreeting + kAskRef + kAskCount +
                         "\nL'angle 1 est : 0.000000\nL'angle 2 est : 10.000000\n\n"
                         "max vaut : 2.000000\n" +
                         kEnd);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(read_file(d / "pts"),
              "0\t0\n1.000000\t0.000000\t\t0.000000\n2.000000\t0.000000\t\t0.000000\n"
              "0\t0\n0.984808\t0.173648\t\t10.000000\n1.969616\t0.347296\t\t10.000000\n");

    const auto rows = text_map(d / "pts.bmp");
    for (auto [x, y] : {std::pair{0, 0}, {42, 0}, {83, 0}, {41, 7}, {82, 14}})
        EXPECT_EQ(cell(rows, x, y), 0) << x << "," << y;
    // Tick spacing 417: ticks at cells 0 and 417 along both axes.
    for (int k : {1, 2, 3}) {
        EXPECT_EQ(cell(rows, 417, k), 150);
        EXPECT_EQ(cell(rows, k, 417), 150);
    }
    EXPECT_EQ(cell(rows, 416, 1), 255);
    EXPECT_EQ(cell(rows, 1, 418), 255);

    // Bottom line: 150 but where the marks of the three points on it reach.
    const std::vector<std::string> lines = test::lines_of(read_file(d / "pts.bmp"));
    std::string bottom;
    for (int x = 0; x <= 500; ++x) {
        const bool marked = x <= 2 || (x >= 40 && x <= 44) || (x >= 81 && x <= 85);
        bottom += marked ? " 0.000\t" : "150.000\t";
    }
    EXPECT_EQ(lines[500], bottom);
    // First values: the origin's mark on y cells 0 to 2, the axis above.
    for (int y = 0; y <= 500; ++y) {
        const std::string& line = lines[static_cast<size_t>(500 - y)];
        EXPECT_EQ(line.substr(0, line.find('\t') + 1), y <= 2 ? " 0.000\t" : "150.000\t") << y;
    }
    expect_same_grid(d / "pts");
}

TEST(MapTool, EveryQuestionWithoutArguments) {
    TempDir d;
    write_file(d / "rows.txt", "0 0 1.0\n10 0 1.0\n");
    const auto r = run_tool(kTool, d.path(), {}, "rows.txt\n1\n2\npts\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, (kGreeting + kAskInput + kAskRef + kAskCount + kAskOutput).size()),
              kGreeting + kAskInput + kAskRef + kAskCount + kAskOutput);
    EXPECT_TRUE(test::file_exists(d / "pts.bmp"));

    // Only the input name given: the output name is asked last. A refused number is asked
    // again.
    const auto one = run_tool(kTool, d.path(), {"rows.txt"}, "un\n1 2 other\n");
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.err.find("'un'"), std::string::npos);
    EXPECT_EQ(one.out.substr(0, (kGreeting + kAskRef + kAskRef + kAskCount + kAskOutput).size()),
              kGreeting + kAskRef + kAskRef + kAskCount + kAskOutput);
    EXPECT_EQ(read_file(d / "other.bmp"), read_file(d / "pts.bmp"));
}

TEST(MapTool, RowsBelowTheReferenceMoveTheMapUp) {
    TempDir d;
    write_file(d / "rows.txt", "0 0 1.0\n-10 0 1.0\n0 -10 1.0\n");
    const auto r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "1\n2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("L'angle 2 est : -10.000000\nL'angle 3 est : 10.000000\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("max vaut : 2.000000\n"), std::string::npos);
    const auto rows = text_map(d / "pts.bmp");
    // minY = -0.347296 puts the origin on y cell 14 and the lowest point on y cell 0.
    EXPECT_EQ(cell(rows, 0, 14), 0);
    EXPECT_EQ(cell(rows, 82, 0), 0);
    EXPECT_EQ(cell(rows, 82, 28), 0);
    EXPECT_EQ(cell(rows, 42, 14), 0);
    EXPECT_EQ(cell(rows, 0, 6), 150);
    expect_same_grid(d / "pts");
}

TEST(MapTool, RowsFarFromTheReferenceStayOffTheMap) {
    TempDir d;
    // 150 degrees: every point left of the y axis, in the point file but not on the map.
    write_file(d / "rows.txt", "0 0 1.0\n\n150 0 0.5\n");
    const auto r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "1\n3\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::lines_of(read_file(d / "pts")).size(), 4u + 7);
    const auto rows = text_map(d / "pts.bmp");
    int zeros = 0;
    for (const auto& line : rows)
        for (double v : line) zeros += v == 0;
    EXPECT_EQ(zeros, 6 + 3 * 9);  // the origin and the three points of the reference row
    expect_same_grid(d / "pts");
}

TEST(MapTool, AnExtentAbove9990DrawsNoTicks) {
    TempDir d;
    write_file(d / "rows.txt", "0 0 5000\n");
    const auto r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "1\n2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("max vaut : 10000.000000\n"), std::string::npos);
    const auto rows = text_map(d / "pts.bmp");
    for (int k = 1; k <= 3; ++k)
        for (int a = 5; a <= 500; ++a) {
            EXPECT_EQ(cell(rows, k, a), 255) << k << "," << a;
            // The two points lie on x cells 250 and 500.
            if (a < 248 || (a > 252 && a < 498)) {
                EXPECT_EQ(cell(rows, a, k), 255) << a << "," << k;
            }
        }
    expect_same_grid(d / "pts");
}

TEST(MapTool, InputFileThatCannotBeOpened) {
    TempDir d;
    const auto r = run_tool(kTool, d.path(), {"rows", "pts"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out, kGreeting + kAskRef + kAskCount + kBug +
                         "error: nom de fichier erron\xE9"
                         "e\nN'oublier pas l'extension\n\n");
    EXPECT_NE(r.err.find("rows"), std::string::npos);
    EXPECT_FALSE(test::file_exists(d / "pts"));
}

TEST(MapTool, FaultsOfTheTiltFileAndOfTheAnswers) {
    TempDir d;
    write_file(d / "rows.txt", "0 0 1.0\n\n10 0\n");
    auto r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out, kGreeting + kAskRef + kAskCount + kBug +
                         "error: ligne 3 du fichier rows.txt : il faut trois nombres (deux "
                         "angles et une distance)\n");

    write_file(d / "rows.txt", "0 0 1.0\n10 0 1.0\n");
    r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "3\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find(kBug + "error: la ligne de reference 3 n'existe pas"), std::string::npos);
    for (const char* count : {"0", "-1", "10001"}) {
        r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, std::string("1\n") + count + "\n");
        EXPECT_EQ(r.status, 255);
        EXPECT_NE(r.out.find(kBug + "error: le nombre de repetitions (" + count +
                             ") doit etre compris entre 1 et 10000\n"),
                  std::string::npos);
    }
    EXPECT_FALSE(test::file_exists(d / "pts"));

    // The input ends before every answer is in.
    r = run_tool(kTool, d.path(), {"rows.txt", "pts"}, "1\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out, kGreeting + kAskRef + kAskCount + kBug +
                         "erreur : l'entree est finie alors qu'une reponse etait attendue\n");
}

TEST(MapTool, FilesThatCannotBeWritten) {
    TempDir d;
    write_file(d / "rows.txt", "0 0 1.0\n10 0 1.0\n");
    const std::string cannot =
        kBug +
        "error: \nimpossible d'ecrire dans le fichier\nVerifier qu'il n'est pas deja "
        "ouvert\n\n";
    auto r = run_tool(kTool, d.path(), {"rows.txt", "no/pts"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out.substr(r.out.size() - cannot.size()), cannot);

    // A full disk: the point file is not written completely.
    r = run_tool(kTool, d.path(), {"rows.txt", "/dev/full"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out.substr(r.out.size() - cannot.size()), cannot);

    // The map file, then the picture, cannot be created.
    ASSERT_EQ(mkdir((d / "a.bmp").c_str(), 0755), 0);
    r = run_tool(kTool, d.path(), {"rows.txt", "a"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.out.find("max vaut : 2.000000\n" + cannot), std::string::npos);
    EXPECT_NE(r.err.find("a.bmp"), std::string::npos);
    ASSERT_EQ(mkdir((d / "b.pgm").c_str(), 0755), 0);
    r = run_tool(kTool, d.path(), {"rows.txt", "b"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_NE(r.err.find("b.pgm"), std::string::npos);
    EXPECT_EQ(r.out.find(kEnd), std::string::npos);
}

TEST(MapTool, OutputNeverReplacesTheTiltFile) {
    TempDir d;
    write_file(d / "rows.bmp", "0 0 1.0\n10 0 1.0\n");
    auto r = run_tool(kTool, d.path(), {"rows.bmp", "rows"}, "1\n2\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(read_file(d / "rows.bmp"), "0 0 1.0\n10 0 1.0\n");
    EXPECT_FALSE(test::file_exists(d / "rows"));

    r = run_tool(kTool, d.path(), {"rows.bmp"}, "1\n2\nrows\nok\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(d / "rows.bmp"), "0 0 1.0\n10 0 1.0\n");
    EXPECT_TRUE(test::file_exists(d / "ok.pgm"));
}

}  // namespace
}  // namespace ped::map
