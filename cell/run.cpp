#include "cell/run.hpp"

#include <cerrno>

#include "cell/cell_cif.hpp"
#include "cell/messages.hpp"
#include "cell/questions.hpp"
#include "cell/report.hpp"
#include "cell/scan.hpp"
#include "common/files.hpp"
#include "common/outfile.hpp"
#include "common/reflection.hpp"
#include "common/text.hpp"

namespace ped::cell {

namespace {

// The cell with its uncertainties, when the scan gave one; said on standard error otherwise.
void write_cell_cif(const Terminal& t, const std::vector<CellFit>& fits, int symmetry,
                    const std::string& input, const std::string& cif) {
    const CrystalSystem* system = crystal_system(symmetry);
    if (fits.empty() || !system) return say(t, kNoCellCif, cif.c_str());
    write_file_or_fail(t, cif, cell_cif(fits, *system, input), kCannotOpen);
}

}  // namespace

int run_cell(const Terminal& t, const CommandLine& cl, const CellOptions& o) {
    std::FILE* out = t.out;
    put_line(out, kThanks);
    std::fputs(kDescription, out);
    std::fputs("\n", out);
    if (cl.given() > 5) say(t, kExtraArguments, cl.given() - 5);

    const std::string input = take_input_name(t, cl);
    const std::string output = output_name(input);
    if (same_file(input, output)) fail(strprintf(kOwnOutput, output.c_str()));
    const std::string cif = cell_cif_name(input);
    if (o.cell_cif && same_file(input, cif)) fail(strprintf(kOwnOutput, cif.c_str()));

    // The input is read first: a run on a file that cannot be read leaves an output of the
    // same stem as it was. The output is created before the questions, so that a folder where
    // it cannot be written is known before the scan.
    std::vector<Reflection> reflections;
    if (const int reason = read_reflections(input, t, reflections))
        fail_file(t, input, reason, kCannotOpen);
    OutFile file;
    if (!file.open(output)) fail_file(t, output, errno, kCannotOpen);
    std::fprintf(out, kReflectionCount, static_cast<int>(reflections.size()));

    const int symmetry = take_symmetry(t, cl);
    ScanLimits limits;
    take_g_limits(t, cl, limits);
    take_threshold(t, cl, limits);

    const std::vector<CellFit> fits = scan_windows(reflections, symmetry, limits, out);
    final_report(fits, symmetry, out, file);
    close_or_fail(t, file, t.lang.cannot_write);
    if (o.cell_cif) write_cell_cif(t, fits, symmetry, input, cif);
    t.in.pause(out);
    return 0;
}

}  // namespace ped::cell
