// The console reader: answers typed ahead, the name-answer rule, refused answers, end of input.
#include <gtest/gtest.h>

#include "harness.hpp"

namespace ped {
namespace {

using test::FakeTerminal;

TEST(Console, NumbersMayBeTypedAheadAcrossLines) {
    FakeTerminal t("3 2.5\n\n  -7\n");
    EXPECT_EQ(ask_int(t.term(), "a\n"), 3);
    EXPECT_DOUBLE_EQ(ask_double(t.term(), "b\n"), 2.5);
    EXPECT_EQ(ask_int(t.term(), "c\n"), -7);
    EXPECT_EQ(t.out(), "a\nb\nc\n");
    EXPECT_EQ(t.diag(), "");
}

TEST(Console, RefusedAnswerDropsItsLineAndAsksAgain) {
    FakeTerminal t("x 5\n1e999\n12abc\n4\n");
    EXPECT_EQ(ask_int(t.term(), "n?\n"), 4);
    EXPECT_EQ(t.out(), "n?\nn?\nn?\nn?\n");
    const std::string d = t.diag();
    EXPECT_NE(d.find("'x'"), std::string::npos);
    EXPECT_NE(d.find("'1e999'"), std::string::npos);
    EXPECT_NE(d.find("'12abc'"), std::string::npos);
}

TEST(Console, RealsRefuseWhatIsNotFinite) {
    FakeTerminal t("nan\ninf 3\n-0.25\n");
    EXPECT_DOUBLE_EQ(ask_double(t.term(), "r\n"), -0.25);
    EXPECT_EQ(t.out(), "r\nr\nr\n");
}

TEST(Console, TwoNumberQuestionIsAskedAgainWhole) {
    FakeTerminal t("200 abc 9\n300 2\n");
    double a = 0, b = 0;
    ask_two_doubles(t.term(), "pair\n", a, b);
    EXPECT_DOUBLE_EQ(a, 300);
    EXPECT_DOUBLE_EQ(b, 2);
    EXPECT_EQ(t.out(), "pair\npair\n");
}

TEST(Console, EndOfInputWhileAnAnswerIsNeeded) {
    FakeTerminal t("  \n ");
    EXPECT_THROW(ask_int(t.term(), "n\n"), InputEnded);
    FakeTerminal empty("");
    EXPECT_THROW(empty.console().read_name("def"), InputEnded);
}

TEST(Console, NameRuleAtTheVeryStartDropsNothing) {
    FakeTerminal t("list.txt 5\n");
    EXPECT_EQ(t.console().read_name("in.txt"), "list.txt");
    int v;
    std::string w;
    ASSERT_TRUE(t.console().read_int(v, w));  // typed after the name: still pending
    EXPECT_EQ(v, 5);
}

TEST(Console, NameRuleEmptyLineSelectsTheDefault) {
    FakeTerminal t("\n  \t\nx\n");
    EXPECT_EQ(t.console().read_name("in.txt"), "in.txt");
    EXPECT_EQ(t.console().read_name("TAVsortie"), "TAVsortie");  // blanks, then the line end
    EXPECT_EQ(t.console().read_name("d"), "x");
}

TEST(Console, NameRuleDropsTheLineEndLeftByANumber) {
    // The line end pending after "14" is not the empty answer; the next line is.
    FakeTerminal t("14\n\n");
    int v;
    std::string w;
    ASSERT_TRUE(t.console().read_int(v, w));
    EXPECT_EQ(t.console().read_name("TAVsortie"), "TAVsortie");

    FakeTerminal u("14\n  run1 extra\n7\n");
    ASSERT_TRUE(u.console().read_int(v, w));
    EXPECT_EQ(u.console().read_name("TAVsortie"), "run1");
}

TEST(Console, NameRuleDropsAnswersLeftOnTheLineOfANumber) {
    FakeTerminal t("1 out\nnext\n");
    int v;
    std::string w;
    ASSERT_TRUE(t.console().read_int(v, w));
    EXPECT_EQ(t.console().read_name("TAVsortie"), "next");
}

TEST(Console, OneLetterNameDoesNotSwallowTheNextLine) {
    FakeTerminal t("a\n0.5 1.5\n");
    EXPECT_EQ(t.console().read_name("in.txt"), "a");
    double x;
    std::string w;
    ASSERT_TRUE(t.console().read_double(x, w));
    EXPECT_DOUBLE_EQ(x, 0.5);
}

TEST(Console, WindowsLineEndsAreLineEnds) {
    FakeTerminal t("\r\n5\r\n\r\n");
    EXPECT_EQ(t.console().read_name("in.txt"), "in.txt");
    EXPECT_EQ(ask_int(t.term(), "q\n"), 5);
    EXPECT_EQ(t.console().read_name("TAVsortie"), "TAVsortie");
}

TEST(Console, CharacterAnswersDropWhatIsPendingFirst) {
    FakeTerminal t("c\nCx\n\nq");
    EXPECT_EQ(t.console().read_char(), 'c');
    EXPECT_EQ(t.console().read_char(), 'C');   // the line end after 'c' is dropped first
    EXPECT_EQ(t.console().read_char(), '\n');  // "x\n" dropped, then the empty line
    EXPECT_EQ(t.console().read_char(), 'q');
    EXPECT_THROW(t.console().read_char(), InputEnded);
}

TEST(Console, PauseReadsNothingWhenNotATerminal) {
    FakeTerminal t("7\n");
    t.console().pause(t.term().out);
    EXPECT_EQ(t.out(), "");
    EXPECT_EQ(ask_int(t.term(), ""), 7);
}

TEST(Error, WritesHeaderMessageAndReturnsMinusOne) {
    FakeTerminal t("", french);
    EXPECT_EQ(error(t.term(), "error: cannot open file"), -1);
    EXPECT_EQ(error(t.term(), nullptr), -1);
    EXPECT_EQ(t.out(), "GROS BUG dans prog \nerror: cannot open file\nGROS BUG dans prog \n");
}

}  // namespace
}  // namespace ped
