// The command line of every tool: options beside the positions. An argument that begins with
// "--" (or is exactly "-h") is an option, wherever it stands; options are taken out before the
// positions are counted, and "--" ends them (what follows is a position even if it begins with
// a dash). An option that takes a value accepts "--name=value" and "--name value" (the next
// argument is its value unless it is itself an option). An option is given once.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/terminal.hpp"

namespace ped {

struct OptionSpec {
    const char* name;  // without the leading "--"
    bool takes_value;
};

class CommandLine {
  public:
    std::string program;                         // argument 0
    std::vector<std::string> positions;          // position 1 first
    std::map<std::string, std::string> options;  // by name; "" for an option without value

    // Number of positions given.
    size_t given() const { return positions.size(); }
    // Position `pos`, counted from 1 (at most given()).
    const std::string& at(size_t pos) const { return positions.at(pos - 1); }
    bool has(const std::string& option) const { return options.count(option) > 0; }
    // The value of an option, or `fallback` when it is not given.
    std::string value(const std::string& option, const std::string& fallback = "") const;
};

// Splits the arguments. --help, -h and --version are known to every tool besides `known`.
// An unknown option, an option given twice, a value missing or given to an option without
// one: fatal.
CommandLine parse_command_line(const Terminal& t, const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& known);

}  // namespace ped
