// The command line shared by the tools: options wherever they stand, "--name=value" and
// "--name value" (unless the next argument is an option), "--" ending the options, the faults
// that end a run; then an options table read by the kinds of its values.
#include <gtest/gtest.h>

#include "common/options.hpp"
#include "harness.hpp"

namespace ped {
namespace {

struct Values {
    bool ita = false;
    std::optional<std::string> sg;
    std::optional<int> shells;
    std::optional<TypedNumber> kv;
    int mode = 0;
};

const OptionTable<Values> kTable{
    {.name = "sg", .kind = text(&Values::sg), .english = {}, .french = {}},
    {.name = "ita", .kind = flag(&Values::ita), .english = {}, .french = {}},
    {.name = "shells", .kind = whole(&Values::shells, 1, 100), .english = {}, .french = {}},
    {.name = "kv",
     .kind = real(&Values::kv, 1, 1e4, {.english = "1 to 10000 kV", .french = "1 a 10000 kV"}),
     .english = {},
     .french = {}},
    {.name = "mode",
     .kind = one_of(&Values::mode, {{"a", 1}, {"b", 2}}),
     .english = {},
     .french = {}},
};

// The arguments read with the table: the positions, then each option given as name=value in
// the table's order, "help" for --help; or the message that ends the run.
std::string read(const std::vector<std::string>& args) {
    test::FakeTerminal t;
    std::vector<std::string> all{"tool"};
    all.insert(all.end(), args.begin(), args.end());
    try {
        const SplitCommandLine split = split_command_line(t.term(), all, option_shapes(kTable));
        const Values v = read_options(kTable, split.options, english);
        std::string s;
        for (const std::string& p : split.line.positions) s += p + " ";
        s += "|";
        if (v.sg) s += " sg=" + *v.sg;
        if (v.ita) s += " ita";
        if (v.shells) s += " shells=" + std::to_string(*v.shells);
        if (v.kv) s += " kv=" + v.kv->text + strprintf("(%g)", v.kv->value);
        if (v.mode) s += " mode=" + std::to_string(v.mode);
        if (split.help) s += " help";
        if (split.version) s += " version";
        return s;
    } catch (const Fatal& fatal) {
        return fatal.message;
    }
}

TEST(Options, TakenOutBeforePositionsAndCheckedByKind) {
    const struct {
        std::vector<std::string> args;
        const char* read;
    } cases[] = {
        {{"in.txt", "--sg=P b n m", "0", "-1"}, "in.txt 0 -1 | sg=P b n m"},
        {{"--sg", "62", "in.txt", "--ita"}, "in.txt | sg=62 ita"},
        {{"a", "--", "--ita", "-h", "--sg=1"}, "a --ita -h --sg=1 |"},
        {{"-h", "x", "--version"}, "x | help version"},
        {{"--sg="}, "| sg="},
        {{"-hx"}, "-hx |"},  // not an option: a position
        {{"--shells", "100", "--kv=1e4", "--mode=b"}, "| shells=100 kv=1e4(10000) mode=2"},
        {{"--bogus"}, "error: unknown option --bogus (--help lists the options)"},
        {{"in.txt", "--sg"}, "error: the option --sg needs a value (--sg=VALUE)"},
        {{"--sg", "--ita"}, "error: the option --sg needs a value (--sg=VALUE)"},
        {{"--sg", "-h"}, "error: the option --sg needs a value (--sg=VALUE)"},
        {{"--ita=yes"}, "error: the option --ita takes no value"},
        {{"--ita", "x", "--ita"}, "error: the option --ita is given more than once"},
        {{"-h", "--help"}, "error: the option --help is given more than once"},
        {{"--shells=0"}, "error: --shells=0 is not a value this option takes"},
        {{"--shells=101"}, "error: --shells=101 is not a value this option takes"},
        {{"--shells=5.0"}, "error: --shells=5.0 is not a value this option takes"},
        {{"--kv=0.99"}, "error: --kv=0.99: 1 to 10000 kV"},
        {{"--kv=nan"}, "error: --kv=nan is not a value this option takes"},
        {{"--mode=c"}, "error: --mode=c is not a value this option takes"},
        // Values are checked in the table's order, whatever the order given.
        {{"--mode=c", "--shells=0"}, "error: --shells=0 is not a value this option takes"},
    };
    for (const auto& c : cases) EXPECT_EQ(read(c.args), c.read) << c.args[0];
}

}  // namespace
}  // namespace ped
