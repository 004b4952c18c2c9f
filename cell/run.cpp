#include "run.hpp"

#include <cerrno>
#include <memory>

#include "files.hpp"
#include "messages.hpp"
#include "names.hpp"
#include "outfile.hpp"
#include "questions.hpp"
#include "reflections.hpp"
#include "report.hpp"
#include "scan.hpp"
#include "text.hpp"

namespace ped::cell {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

int run_cell(const Terminal& t, const std::vector<std::string>& args) {
    std::FILE* out = t.out;
    put_line(out, kThanks);
    std::fputs(kDescription, out);
    std::fputs("\n", out);
    if (args.size() > 6)
        std::fprintf(t.diag, "%zu arguments au-dela du cinquieme sont ignores.\n", args.size() - 6);

    const std::string input = take_input_name(t, args);
    const std::string output = output_name(input);
    if (same_file(input, output))
        return error(t, strprintf("erreur : le fichier de sortie %s serait le fichier d'entree "
                                  "lui-meme ; donnez un fichier d'entree dont le nom ne finit "
                                  "pas par \"out\"",
                                  output.c_str())
                            .c_str());

    // The output file is created before the data are read, so that a folder where it cannot
    // be written is known before the scan.
    InputFile in(std::fopen(input.c_str(), "rb"));
    const int in_errno = errno;
    OutFile file;
    const bool created = file.open(output);
    const int out_errno = errno;
    if (!in) return file_error(t, input, in_errno, kCannotOpen);
    if (!created) return file_error(t, output, out_errno, kCannotOpen);

    std::vector<Reflection> reflections;
    if (!read_reflections(in.get(), input, t.diag, reflections))
        return file_error(t, input, errno, kCannotOpen);
    in.reset();
    std::fprintf(out, kReflectionCount, static_cast<int>(reflections.size()));

    int symmetry = 0;
    ScanLimits limits;
    if (!take_symmetry(t, args, symmetry) || !take_g_limits(t, args, limits) ||
        !take_threshold(t, args, limits))
        return -1;

    const std::vector<CellFit> fits = scan_windows(reflections, symmetry, limits, out);
    final_report(fits, symmetry, out, file);
    if (!close_checked(t, file, "erreur : impossible d'ecrire le fichier de sortie")) return -1;
    t.in.pause(out);
    return 0;
}

}  // namespace ped::cell
