#include "map/questions.hpp"

#include "common/arguments.hpp"
#include "common/files.hpp"
#include "common/text.hpp"
#include "map/map_files.hpp"
#include "map/messages.hpp"

namespace ped::map {

namespace {

std::string ask_word(const Terminal& t, const char* question) {
    ask(t, question);
    return t.in.read_word();
}

}  // namespace

MapRun take_run_values(const Terminal& t, const CommandLine& cl) {
    MapRun run;
    say_unused_positions(t, cl, 3);
    run.input = cl.given() >= 1 ? cl.at(1) : ask_word(t, kAskInput);
    run.reference = ask_int(t, kAskReference);
    run.repetitions = ask_int(t, kAskRepetitions);
    const auto replaced = [&run](const std::string& output) {
        return replaced_input({output, text_map_name(output), picture_name(output)}, {run.input});
    };
    run.output = take_output_name(
        t, cl, 2, [&t] { return ask_word(t, kAskOutput); }, replaced);
    return run;
}

std::string run_values_fault(const MapRun& run, size_t rows) {
    if (rows == 0) return strprintf(kNoRow, run.input.c_str());
    if (run.reference < 1 || static_cast<size_t>(run.reference) > rows)
        return strprintf(kNoSuchReference, run.reference, run.input.c_str(), rows);
    if (run.repetitions < 1 || run.repetitions > kMaxRepetitions)
        return strprintf(kRepetitionsOutOfRange, run.repetitions, kMaxRepetitions);
    return "";
}

}  // namespace ped::map
