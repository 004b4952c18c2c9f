// The command line: arguments (the input split at its zero bytes) split and read with the merge
// tool's option table, the values checked, then the positions read. A fault is Fatal; anything
// that passes keeps the splitter's promises.
#include <cstdint>
#include <string>
#include <vector>

#include "common/arguments.hpp"
#include "fuzz_input.hpp"
#include "merge/options.hpp"

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
    const OptionTable<MergeOptions>& table = merge_option_table();
    try {
        const SplitCommandLine split = split_command_line(t, args, option_shapes(table));
        fuzz::require(split.line.given() + split.options.size() < args.size());
        for (const GivenOption& o : split.options)
            fuzz::require(o.option < table.size() &&
                          (table[o.option].kind.takes_value || o.value.empty()));
        MergeOptions given = read_options(table, split.options, t.lang);
        given.cell_file.reset();  // a file name from the input: nothing is read
        const MergeOptions o = checked_options(Session{t, english_catalogue}, given);
        fuzz::require(!o.kv || (o.kv->value >= 1 && o.kv->value <= 1e4));
        say_unused_positions(t, split.line, size % 13);
        for (std::size_t pos = 1; pos <= split.line.given(); ++pos) int_at(t, split.line, pos);
    } catch (const Fatal&) {
    }
    return 0;
}
