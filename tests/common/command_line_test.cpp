// The command line shared by the tools: options wherever they stand, "--name=value" and
// "--name value", "--" ending the options, and the faults that end a run.
#include <gtest/gtest.h>

#include "common/command_line.hpp"
#include "harness.hpp"

namespace ped {
namespace {

const std::vector<OptionSpec> kSpecs = {{"sg", true}, {"ita", false}};

CommandLine parsed(const std::vector<std::string>& args) {
    test::FakeTerminal t;
    std::vector<std::string> all{"tool"};
    all.insert(all.end(), args.begin(), args.end());
    return parse_command_line(t.term(), all, kSpecs);
}

TEST(CommandLine, OptionsAreTakenOutBeforePositionsAreCounted) {
    struct Case {
        std::vector<std::string> args, positions;
        std::string sg;
        bool ita, help;
    };
    const Case cases[] = {
        {{"in.txt", "--sg=P b n m", "0", "-1"}, {"in.txt", "0", "-1"}, "P b n m", false, false},
        {{"--sg", "62", "in.txt", "--ita"}, {"in.txt"}, "62", true, false},
        {{"a", "--", "--ita", "-h", "--sg=1"}, {"a", "--ita", "-h", "--sg=1"}, "", false, false},
        {{"-h", "x"}, {"x"}, "", false, true},
        {{"--help"}, {}, "", false, true},
        {{"--sg="}, {}, "", false, false},
    };
    for (const Case& c : cases) {
        const CommandLine cl = parsed(c.args);
        EXPECT_EQ(cl.positions, c.positions) << c.args[0];
        EXPECT_EQ(cl.value("sg"), c.sg) << c.args[0];
        EXPECT_EQ(cl.has("ita"), c.ita) << c.args[0];
        EXPECT_EQ(cl.has("help"), c.help) << c.args[0];
        if (cl.given() > 0) {
            EXPECT_EQ(cl.at(1), c.positions[0]);
        }
    }
    EXPECT_TRUE(parsed({"--sg="}).has("sg"));
}

TEST(CommandLine, FaultsAreFatalAndNameTheOption) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> faults = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"in.txt", "--sg"}, "the option --sg needs a value"},
        {{"--ita=yes"}, "the option --ita takes no value"},
        {{"-hx"}, ""},  // not an option: a position
    };
    for (const auto& [args, message] : faults) {
        test::FakeTerminal t;
        std::vector<std::string> all{"tool"};
        all.insert(all.end(), args.begin(), args.end());
        if (message.empty()) {
            EXPECT_EQ(parse_command_line(t.term(), all, kSpecs).positions, args);
            continue;
        }
        EXPECT_THROW(parse_command_line(t.term(), all, kSpecs), Fatal) << args[0];
        EXPECT_NE(t.out().find("ERROR in prog \nerror: " + message), std::string::npos) << t.out();
    }
}

}  // namespace
}  // namespace ped
