#include "common/tool.hpp"

#include <unistd.h>

#include <cstdio>
#include <string>

#ifndef PED_VERSION
#define PED_VERSION "0"
#endif

namespace ped {

int run_tool(int argc, char** argv, const ToolInfo& info,
             const std::function<void(const Terminal&, const CommandLine&)>& run) {
    // A console that is a file or a pipe gets large blocks (a person at a terminal gets each
    // line as it comes; every question flushes anyway).
    if (!isatty(fileno(stdout))) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 20);
    Console console(stdin);
    const Terminal t{console, stdout, stderr, argc > 0 ? argv[0] : "", info.lang};
    try {
        const CommandLine cl =
            parse_command_line(t, std::vector<std::string>(argv, argv + argc), info.options);
        if (cl.has("help")) {
            std::fputs(info.usage, t.out);
            std::fputs(t.lang.options_heading, t.out);
            std::fputs(info.options_usage, t.out);
            std::fputs(t.lang.common_options, t.out);
        } else if (cl.has("version")) {
            std::fprintf(t.out, "%s %s\n", info.name, PED_VERSION);
        } else {
            run(t, cl);
        }
        return finish(t, 0);
    } catch (const Fatal&) {
        return finish(t, 255);
    } catch (const InputEnded&) {
        error(t, t.lang.input_ended);
        return finish(t, 255);
    }
}

}  // namespace ped
