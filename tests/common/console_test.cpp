// What the user types at the console: answers typed ahead, the name-answer rule, refused
// answers, the end of the input and the pause.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include "common/terminal.hpp"
#include "common/text.hpp"
#include "harness.hpp"

namespace ped {
namespace {

using test::FakeTerminal;

// Plays `steps` on a console over `input`: i a whole-number question, r a real question, 2 a
// two-number question, n a name answer (default "def"), c a one-character answer, p the pause.
// Returns the answers joined by '|', "END" where the input ended.
std::string play(FakeTerminal& t, const std::string& steps) {
    std::string answers;
    try {
        for (char step : steps) {
            if (!answers.empty()) answers += "|";
            double a, b;
            if (step == 'i') answers += std::to_string(ask_int(t.term(), "q\n"));
            if (step == 'r') answers += strprintf("%g", ask_double(t.term(), "q\n"));
            if (step == 'n') answers += t.console().read_name("def");
            if (step == 'c') answers += static_cast<char>(t.console().read_char());
            if (step == '2') {
                ask_two_doubles(t.term(), "q\n", a, b);
                answers += strprintf("%g %g", a, b);
            }
            if (step == 'p') {
                t.console().pause(t.term().out);
                answers += "paused";
            }
        }
    } catch (const InputEnded&) {
        answers += "END";
    }
    return answers;
}

TEST(Console, Rules) {
    struct Case {
        const char* input;
        const char* steps;
        const char* answers;
        const char* out;
        const char* diag;
    };
    const std::string long_word = std::string(kLongestLine + 1, '1') + " 2\n3\n";
    const Case cases[] = {
        // Numbers typed ahead across lines; refused answers drop their line and ask again.
        {"3 2.5\n\n  -7\n", "iri", "3|2.5|-7", "q\nq\nq\n", ""},
        {"x 5\n1e999\n12abc\n4\n", "i", "4", "q\nq\nq\nq\n",
         "'x' is not a whole number; please answer again.\n'1e999' is not a whole number; please "
         "answer again.\n'12abc' is not a whole number; please answer again.\n"},
        {"nan\ninf 3\n-0.25\n", "r", "-0.25", "q\nq\nq\n",
         "'nan' is not a number; please answer again.\n'inf' is not a number; please answer "
         "again.\n"},
        {"200 abc 9\n300 2\n", "2", "300 2", "q\nq\n",
         "'abc' is not a number; please answer again.\n"},
        {"  \n ", "i", "END", "q\n", ""},
        {"", "n", "END", "", ""},
        // The name rule: nothing dropped at the very start; an empty line (blanks allowed)
        // selects the default; the line end or the answers left on the line of a number are
        // dropped first; a one-letter name does not swallow the next line; CR LF is a line end.
        {"list.txt 5\n", "ni", "list.txt|5", "q\n", ""},
        {"\n  \t\nx\n", "nnn", "def|def|x", "", ""},
        {"14\n\n", "in", "14|def", "q\n", ""},
        {"14\n  run1 extra\n7\n", "in", "14|run1", "q\n", ""},
        {"1 out\nnext\n", "in", "1|next", "q\n", ""},
        {"a\n0.5 1.5\n", "nr", "a|0.5", "q\n", ""},
        {"\r\n5\r\n\r\n", "nin", "def|5|def", "q\n", ""},
        // One-character answers drop what an earlier read left pending on its line.
        {"c\nCx\n\nq", "ccccc", "c|C|\n|q|END", "", ""},
        // A word longer than the longest line is no number; its line is dropped.
        {long_word.c_str(), "i", "3", "q\nq\n",
         "'11111111111111111111111111111111...' is not a whole number; please answer again.\n"},
        // The pause reads nothing when no one is at a terminal.
        {"7\n", "pi", "paused|7", "q\n", ""},
    };
    for (const Case& c : cases) {
        FakeTerminal t(c.input);
        EXPECT_EQ(play(t, c.steps), c.answers) << c.input;
        EXPECT_EQ(t.out(), c.out) << c.input;
        EXPECT_EQ(t.diag(), c.diag) << c.input;
    }
}

// At a terminal (a pseudo-terminal stands for the person) a fatal error shows the prompt and
// waits for one line; the answers typed after it stay for the next question.
TEST(Console, AtATerminalTheErrorWaitsForEnter) {
    int person = -1, tty = -1;
    ASSERT_EQ(openpty(&person, &tty, nullptr, nullptr, nullptr), 0);
    const std::string typed = "go on\n7\n";
    ASSERT_EQ(write(person, typed.data(), typed.size()), ssize_t(typed.size()));
    std::FILE* in = fdopen(tty, "r");
    std::FILE* out = std::tmpfile();
    ASSERT_TRUE(in && out);
    Console console(in);
    const Terminal t{console, out, out, "prog", english};
    EXPECT_EQ(error(t, "bad"), -1);  // the status the legacy callers return
    EXPECT_EQ(ask_int(t, "q\n"), 7);
    std::rewind(out);
    char text[200] = {};
    EXPECT_EQ(std::string(text, std::fread(text, 1, sizeof text, out)),
              "ERROR in prog \nbad\nPress Enter to continue . . .\nq\n");
    std::fclose(out);
    std::fclose(in);
    close(person);
}

}  // namespace
}  // namespace ped
