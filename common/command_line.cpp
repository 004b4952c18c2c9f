#include "common/command_line.hpp"

#include "common/text.hpp"

namespace ped {

namespace {

// An argument that is an option wherever it stands (before "--").
bool is_option(const std::string& arg) {
    return arg.rfind("--", 0) == 0 || arg == "-h";
}

// The options every tool has come before the tool's own: known option o is number o + 2.
constexpr size_t kHelp = 0, kVersion = 1, kOwn = 2;

std::vector<OptionShape> with_common_options(const std::vector<OptionShape>& known) {
    std::vector<OptionShape> all{{"help", false}, {"version", false}};
    all.insert(all.end(), known.begin(), known.end());
    return all;
}

// The number of the option, or all.size() for a name no option has.
size_t option_named(const std::vector<OptionShape>& all, const std::string& name) {
    size_t o = 0;
    while (o < all.size() && name != all[o].name) ++o;
    return o;
}

}  // namespace

SplitCommandLine split_command_line(const Terminal& t, const std::vector<std::string>& args,
                                    const std::vector<OptionShape>& known) {
    const std::vector<OptionShape> all = with_common_options(known);
    std::vector<bool> seen(all.size(), false);
    SplitCommandLine split;
    if (!args.empty()) split.line.program = args[0];
    bool options_ended = false;
    for (size_t a = 1; a < args.size(); ++a) {
        const std::string& arg = args[a];
        if (options_ended || !is_option(arg)) {
            split.line.positions.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name =
            arg == "-h" ? "help" : arg.substr(2, equals == std::string::npos ? equals : equals - 2);
        const size_t o = option_named(all, name);
        if (o == all.size()) fail(strprintf(t.lang.unknown_option, arg.c_str()));
        if (seen[o]) fail(strprintf(t.lang.option_twice, name.c_str()));
        seen[o] = true;
        std::string value;
        if (!all[o].takes_value) {
            if (equals != std::string::npos)
                fail(strprintf(t.lang.option_takes_no_value, name.c_str()));
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (a + 1 < args.size() && !is_option(args[a + 1])) {
            value = args[++a];
        } else {
            fail(strprintf(t.lang.option_needs_value, name.c_str(), name.c_str()));
        }
        if (o >= kOwn) split.options.push_back({o - kOwn, value});
    }
    split.help = seen[kHelp];
    split.version = seen[kVersion];
    return split;
}

}  // namespace ped
