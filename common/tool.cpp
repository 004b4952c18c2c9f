#include "common/tool.hpp"

#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdio>
#include <string>

#ifndef PED_VERSION
#define PED_VERSION "0"
#endif

namespace ped {

namespace {

// A run allocates and frees many tables of a few hundred kilobytes (the records of a file, the
// reflections two zones share). By default the C library hands such blocks back to the system
// and takes fresh, zeroed pages for the next; a run lasts seconds, so it keeps them instead.
void keep_freed_memory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace

int run_tool_frame(int argc, char** argv, const ToolInfo& info,
                   const std::vector<OptionShape>& shapes,
                   const std::function<std::string()>& options_help,
                   const std::function<int(const Terminal&, const SplitCommandLine&)>& run) {
    // A console that is a file or a pipe gets large blocks (a person at a terminal gets each
    // line as it comes; every question flushes anyway).
    if (!isatty(fileno(stdout))) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 20);
    keep_freed_memory();
    Console console(stdin);
    const Terminal t{console, stdout, stderr, argc > 0 ? argv[0] : "", info.lang};
    try {
        const SplitCommandLine split =
            split_command_line(t, std::vector<std::string>(argv, argv + argc), shapes);
        if (split.help) {
            std::fputs(info.usage, t.out);
            std::fputs(t.lang.options_heading, t.out);
            std::fputs(options_help().c_str(), t.out);
            std::fputs(t.lang.common_options, t.out);
            return finish(t, 0);
        }
        if (split.version) {
            std::fprintf(t.out, "%s %s\n", info.name, PED_VERSION);
            return finish(t, 0);
        }
        return finish(t, run(t, split));
    } catch (const Fatal& fatal) {
        error(t, fatal.message.c_str());
    } catch (const InputEnded&) {
        error(t, t.lang.input_ended);
    }
    return finish(t, 255);
}

}  // namespace ped
