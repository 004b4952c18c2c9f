#include "dialogue.hpp"

#include "files.hpp"
#include "map_files.hpp"
#include "messages.hpp"
#include "text.hpp"

namespace ped {

namespace {

std::string ask_word(const Terminal& t, const char* question) {
    std::fputs(question, t.out);
    std::fflush(t.out);
    return t.in.read_word();
}

}  // namespace

std::string output_clash(const std::string& output, const std::string& input) {
    for (const std::string& name : {output, text_map_name(output), picture_name(output)})
        if (same_file(name, input)) return name;
    return "";
}

bool take_run_values(const Terminal& t, const std::vector<std::string>& args, MapRun& run) {
    const size_t given = args.empty() ? 0 : args.size() - 1;
    run.input = given >= 1 ? args[1] : ask_word(t, kAskInput);
    run.reference = ask_int(t, kAskReference);
    run.repetitions = ask_int(t, kAskRepetitions);
    if (given >= 2) {
        run.output = args[2];
        const std::string clash = output_clash(run.output, run.input);
        if (clash.empty()) return true;
        error(t, strprintf("error: le fichier %s remplacerait le fichier input %s", clash.c_str(),
                           run.input.c_str())
                     .c_str());
        return false;
    }
    for (;;) {
        run.output = ask_word(t, kAskOutput);
        const std::string clash = output_clash(run.output, run.input);
        if (clash.empty()) return true;
        std::fprintf(t.diag,
                     "The output name \"%s\" would write %s over the input file; please choose "
                     "another name.\n",
                     run.output.c_str(), clash.c_str());
    }
}

std::string run_values_fault(const MapRun& run, size_t rows) {
    if (rows == 0)
        return strprintf("error: le fichier %s ne contient aucune ligne", run.input.c_str());
    if (run.reference < 1 || static_cast<size_t>(run.reference) > rows)
        return strprintf(
            "error: la ligne de reference %d n'existe pas (le fichier %s a %zu lignes)",
            run.reference, run.input.c_str(), rows);
    if (run.repetitions < 1 || run.repetitions > kMaxRepetitions)
        return strprintf("error: le nombre de repetitions (%d) doit etre compris entre 1 et %d",
                         run.repetitions, kMaxRepetitions);
    return "";
}

}  // namespace ped
