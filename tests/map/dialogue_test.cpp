// The questions of the map tool, the command-line positions and the checks of the answers.
#include <gtest/gtest.h>

#include "dialogue.hpp"
#include "harness.hpp"
#include "messages.hpp"

namespace ped {
namespace {

const std::string kInput = "\nQuel est le nom du fichier input?\n";
const std::string kRef = "\nQuelle est la ligne de reference\n";
const std::string kCount =
    "\nCombien de fois repete-t-on les reflections sur la ligne de reference\n";
const std::string kOutput = "\nQuel est le nom du fichier output?\n";

TEST(MapDialogue, EverythingAskedInOrder) {
    test::FakeTerminal t("\n  tilts.txt\n2 5 points\n", kMapErrorHeader);
    MapRun run;
    ASSERT_TRUE(take_run_values(t.term(), {"tiltmap"}, run));
    EXPECT_EQ(run.input, "tilts.txt");
    EXPECT_EQ(run.reference, 2);
    EXPECT_EQ(run.repetitions, 5);
    EXPECT_EQ(run.output, "points");
    EXPECT_EQ(t.out(), kInput + kRef + kCount + kOutput);
}

TEST(MapDialogue, CommandLinePositions) {
    test::FakeTerminal one("1 3\nout\n", kMapErrorHeader);
    MapRun run;
    ASSERT_TRUE(take_run_values(one.term(), {"tiltmap", "in"}, run));
    EXPECT_EQ(one.out(), kRef + kCount + kOutput);
    EXPECT_EQ(run.output, "out");

    test::FakeTerminal two("1 3\n", kMapErrorHeader);
    ASSERT_TRUE(take_run_values(two.term(), {"tiltmap", "in", "pts", "extra"}, run));
    EXPECT_EQ(two.out(), kRef + kCount);
    EXPECT_EQ(run.input, "in");
    EXPECT_EQ(run.output, "pts");
}

TEST(MapDialogue, RefusedNumbersAreAskedAgain) {
    test::FakeTerminal t("un 2\n1\n2.5\n4\n", kMapErrorHeader);
    MapRun run;
    ASSERT_TRUE(take_run_values(t.term(), {"tiltmap", "in", "out"}, run));
    EXPECT_EQ(run.reference, 1);
    EXPECT_EQ(run.repetitions, 4);
    EXPECT_EQ(t.out(), kRef + kRef + kCount + kCount);
    EXPECT_NE(t.diag().find("'un'"), std::string::npos);
    EXPECT_NE(t.diag().find("'2.5'"), std::string::npos);
}

TEST(MapDialogue, EndOfInput) {
    test::FakeTerminal t("tilts 1\n", kMapErrorHeader);
    MapRun run;
    EXPECT_THROW(take_run_values(t.term(), {"tiltmap"}, run), InputEnded);
}

TEST(MapDialogue, OutputNeverReplacesTheTiltFile) {
    test::TempDir d;
    test::write_file(d / "tilts", "0 0 1\n");
    test::write_file(d / "t.bmp", "0 0 1\n");
    EXPECT_EQ(output_clash(d / "tilts", d / "tilts"), d / "tilts");
    EXPECT_EQ(output_clash(d / "t", d / "t.bmp"), d / "t.bmp");
    EXPECT_EQ(output_clash(d / "t", d / "tilts"), "");

    // Asked again on the console.
    test::FakeTerminal asked(d / "tilts 1 2 " + d / "./tilts " + d / "pts\n", kMapErrorHeader);
    MapRun run;
    ASSERT_TRUE(take_run_values(asked.term(), {"tiltmap"}, run));
    EXPECT_EQ(run.output, d / "pts");
    EXPECT_EQ(asked.out(), kInput + kRef + kCount + kOutput + kOutput);
    EXPECT_NE(asked.diag().find("over the input file"), std::string::npos);

    // Fatal from the command line.
    test::FakeTerminal given("1 2\n", kMapErrorHeader);
    EXPECT_FALSE(take_run_values(given.term(), {"tiltmap", d / "t.bmp", d / "t"}, run));
    EXPECT_EQ(given.out(), kRef + kCount + "GROS BUG dans prog \nerror: le fichier " + d / "t.bmp" +
                               " remplacerait le fichier input " + d / "t.bmp" + "\n");
}

TEST(MapDialogue, ReferenceLineAndRepetitionCountAgainstTheFile) {
    MapRun run;
    run.input = "tilts";
    run.reference = 1;
    run.repetitions = 1;
    EXPECT_EQ(run_values_fault(run, 1), "");
    EXPECT_EQ(run_values_fault(run, 0), "error: le fichier tilts ne contient aucune ligne");
    run.reference = 3;
    EXPECT_EQ(run_values_fault(run, 2),
              "error: la ligne de reference 3 n'existe pas (le fichier tilts a 2 lignes)");
    run.reference = 0;
    EXPECT_NE(run_values_fault(run, 2), "");
    run.reference = 2;
    EXPECT_EQ(run_values_fault(run, 2), "");
    for (int bad : {0, -1, kMaxRepetitions + 1}) {
        run.repetitions = bad;
        EXPECT_NE(run_values_fault(run, 2).find("doit etre compris entre 1 et 10000"),
                  std::string::npos);
    }
    run.repetitions = kMaxRepetitions;
    EXPECT_EQ(run_values_fault(run, 2), "");
}

}  // namespace
}  // namespace ped
