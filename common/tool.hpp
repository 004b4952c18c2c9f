// The frame every tool's main runs in: the terminal over the standard streams, the command
// line, --help and --version, and the one place where a fatal error becomes status 255.
#pragma once

#include <functional>
#include <vector>

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped {

struct ToolInfo {
    const char* name;  // as --version shows it
    const Language& lang;
    // The --help text: what the tool does, the positions, the files, the exit status; then the
    // lines of the tool's own options (before those every tool has).
    const char* usage;
    const char* options_usage;
    std::vector<OptionSpec> options;
};

// Runs `run` with the terminal and the command line. --help (-h) and --version print their
// text and end with 0 before anything is asked or written. Returns the exit status: 0 after a
// normal end, 255 after a fatal error (already reported) or when the input ended while an
// answer was needed.
int run_tool(int argc, char** argv, const ToolInfo& info,
             const std::function<void(const Terminal&, const CommandLine&)>& run);

}  // namespace ped
