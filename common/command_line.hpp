// The command line of every tool: options beside the positions. An argument that begins with
// "--" (or is exactly "-h") is an option, wherever it stands; options are taken out before the
// positions are counted, and "--" ends them (what follows is a position even if it begins with
// a dash). An option that takes a value accepts "--name=value" and "--name value" (the next
// argument is its value unless it is itself an option). An option is given once.
#pragma once

#include <string>
#include <vector>

#include "common/terminal.hpp"

namespace ped {

// The positions of a command line (the options are read into the tool's options value, see
// common/options.hpp).
struct CommandLine {
    std::string program;                 // argument 0
    std::vector<std::string> positions;  // position 1 first

    // Number of positions given.
    size_t given() const { return positions.size(); }
    // Position `pos`, counted from 1 (at most given()).
    const std::string& at(size_t pos) const { return positions.at(pos - 1); }
};

// What the splitting needs to know of a tool's option: its name without the leading "--", and
// whether it takes a value.
struct OptionShape {
    const char* name;
    bool takes_value;
};

// An option found on the command line: its place among the tool's options, and its value as
// typed ("" for an option without value).
struct GivenOption {
    size_t option;
    std::string value;
};

struct SplitCommandLine {
    CommandLine line;
    std::vector<GivenOption> options;  // in the order they were given
    bool help = false;                 // --help or -h
    bool version = false;              // --version
};

// Splits the arguments. --help, -h and --version are known to every tool besides `known`.
// An unknown option, an option given twice, a value missing or given to an option without
// one: fatal.
SplitCommandLine split_command_line(const Terminal& t, const std::vector<std::string>& args,
                                    const std::vector<OptionShape>& known);

}  // namespace ped
