#include "common/command_line.hpp"

#include "common/text.hpp"

namespace ped {

std::string CommandLine::value(const std::string& option, const std::string& fallback) const {
    const auto found = options.find(option);
    return found == options.end() ? fallback : found->second;
}

namespace {

// An argument that is an option wherever it stands (before "--").
bool is_option(const std::string& arg) {
    return arg.rfind("--", 0) == 0 || arg == "-h";
}

const OptionSpec* find_spec(const std::vector<OptionSpec>& known, const std::string& name) {
    static const OptionSpec kCommon[] = {{"help", false}, {"version", false}};
    for (const OptionSpec& s : kCommon)
        if (name == s.name) return &s;
    for (const OptionSpec& s : known)
        if (name == s.name) return &s;
    return nullptr;
}

}  // namespace

CommandLine parse_command_line(const Terminal& t, const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& known) {
    CommandLine cl;
    if (!args.empty()) cl.program = args[0];
    bool options_ended = false;
    for (size_t a = 1; a < args.size(); ++a) {
        const std::string& arg = args[a];
        if (options_ended || !is_option(arg)) {
            cl.positions.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name =
            arg == "-h" ? "help" : arg.substr(2, equals == std::string::npos ? equals : equals - 2);
        const OptionSpec* option = find_spec(known, name);
        if (!option) fail(t, strprintf(t.lang.unknown_option, arg.c_str()));
        if (cl.has(name)) fail(t, strprintf(t.lang.option_twice, name.c_str()));
        if (!option->takes_value) {
            if (equals != std::string::npos)
                fail(t, strprintf(t.lang.option_takes_no_value, name.c_str()));
            cl.options[name] = "";
        } else if (equals != std::string::npos) {
            cl.options[name] = arg.substr(equals + 1);
        } else if (a + 1 < args.size() && !is_option(args[a + 1])) {
            cl.options[name] = args[++a];
        } else {
            fail(t, strprintf(t.lang.option_needs_value, name.c_str(), name.c_str()));
        }
    }
    return cl;
}

}  // namespace ped
