// The command line shared by the tools: options wherever they stand, "--name=value" and
// "--name value", "--" ending the options, and the faults that end a run.
#include <gtest/gtest.h>

#include "common/command_line.hpp"
#include "harness.hpp"

namespace ped {
namespace {

TEST(CommandLine, OptionsAreTakenOutBeforePositionsAreCounted) {
    struct Case {
        std::vector<std::string> args, positions;
        const char* sg;  // null: not given
        bool ita, help;
        std::string fault;  // the message of a fatal command line
    };
    const Case cases[] = {
        {{"in.txt", "--sg=P b n m", "0", "-1"}, {"in.txt", "0", "-1"}, "P b n m", false, false, ""},
        {{"--sg", "62", "in.txt", "--ita"}, {"in.txt"}, "62", true, false, ""},
        {{"a", "--", "--ita", "-h", "--sg=1"},
         {"a", "--ita", "-h", "--sg=1"},
         {},
         false,
         false,
         ""},
        {{"-h", "x"}, {"x"}, {}, false, true, ""},
        {{"--help"}, {}, {}, false, true, ""},
        {{"--sg="}, {}, "", false, false, ""},
        {{"-hx"}, {"-hx"}, {}, false, false, ""},  // not an option: a position
        {{"--bogus"}, {}, {}, false, false, "unknown option --bogus"},
        {{"in.txt", "--sg"}, {}, {}, false, false, "the option --sg needs a value"},
        {{"--ita=yes"}, {}, {}, false, false, "the option --ita takes no value"},
    };
    for (const Case& c : cases) {
        test::FakeTerminal t;
        std::vector<std::string> all{"tool"};
        all.insert(all.end(), c.args.begin(), c.args.end());
        try {
            const CommandLine cl =
                parse_command_line(t.term(), all, {{"sg", true}, {"ita", false}});
            EXPECT_EQ(c.fault, "");
            EXPECT_EQ(cl.positions, c.positions) << c.args[0];
            EXPECT_EQ(cl.value("sg"), c.sg ? c.sg : "") << c.args[0];
            EXPECT_EQ(cl.has("sg"), c.sg != nullptr) << c.args[0];
            EXPECT_EQ(cl.has("ita"), c.ita) << c.args[0];
            EXPECT_EQ(cl.has("help"), c.help) << c.args[0];
            if (cl.given() > 0) {
                EXPECT_EQ(cl.at(1), c.positions[0]);
            }
        } catch (const Fatal&) {
            EXPECT_NE(c.fault, "");
            EXPECT_NE(t.out().find("ERROR in prog \nerror: " + c.fault), std::string::npos)
                << t.out();
        }
    }
}

}  // namespace
}  // namespace ped
