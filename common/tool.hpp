// The frame every tool's main runs in: the terminal over the standard streams, the command
// line and the tool's options, --help and --version, and the one place where a fatal error is
// reported and becomes status 255.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/command_line.hpp"
#include "common/options.hpp"
#include "common/terminal.hpp"

namespace ped {

struct ToolInfo {
    const char* name;  // as --version shows it
    const Language& lang;
    // The --help text before the options: what the tool does, the positions, the files, the
    // exit status.
    const char* usage;
};

// What a tool's run gets, and its exit status (0, or 255 for a run that failed without a
// fatal error).
template <class V>
using ToolRun = std::function<int(const Terminal&, const CommandLine&, const V& options)>;

// The frame without the options value: `options_help` gives the tool's lines of --help, and
// `run` reads the options and runs the tool.
int run_tool_frame(int argc, char** argv, const ToolInfo& info,
                   const std::vector<OptionShape>& shapes,
                   const std::function<std::string()>& options_help,
                   const std::function<int(const Terminal&, const SplitCommandLine&)>& run);

// Runs `run` with the terminal, the positions and the options read against `table`. --help
// (-h) and --version print their text and end with 0 before any other option is read and
// before anything is asked or written. Returns the exit status: the run's, or 255 after a
// fatal error (Fatal, reported here with `error`) or when the input ended while an answer was
// needed.
template <class V>
int run_tool(int argc, char** argv, const ToolInfo& info, const OptionTable<V>& table,
             const ToolRun<V>& run) {
    return run_tool_frame(
        argc, argv, info, option_shapes(table), [&] { return options_help(table, info.lang); },
        [&](const Terminal& t, const SplitCommandLine& split) {
            return run(t, split.line, read_options(table, split.options, t.lang));
        });
}

}  // namespace ped
