// The command line: arguments (the input split at its zero bytes) parsed with the merge tool's
// options, then read by its option readers and positions. A fault is Fatal after `error`;
// anything that passes keeps the parser's promises.
#include <cstdint>
#include <string>
#include <vector>

#include "common/arguments.hpp"
#include "fuzz_input.hpp"
#include "merge/exports/export_options.hpp"
#include "merge/pipeline/match.hpp"
#include "merge/reports/report_files.hpp"
#include "merge/run.hpp"
#include "merge/pipeline/symmetry_options.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    using namespace ped::merge;
    std::vector<std::string> args{"TAV3eng", ""};
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    const Terminal& t = fuzz::quiet_terminal();
    try {
        CommandLine cl = parse_command_line(t, args, merge_options());
        fuzz::require(cl.given() + cl.options.size() < args.size());
        for (const auto& [name, value] : cl.options) {
            bool known = name == "help" || name == "version";
            for (const OptionSpec& o : merge_options())
                if (name == o.name) known = o.takes_value || value.empty();
            fuzz::require(known);
        }
        cl.options.erase("cell-file");  // a file name from the input: nothing is read
        const Session s{t, english_catalogue};
        symmetry_options(s, cl);
        report_options(s, cl);
        take_match_mode(s, cl);
        export_options(s, cl);
        say_unused_positions(t, cl, size % 13);
        for (std::size_t pos = 1; pos <= cl.given(); ++pos) int_at(t, cl, pos);
    } catch (const Fatal&) {
    }
    return 0;
}
