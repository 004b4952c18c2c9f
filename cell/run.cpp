#include "cell/run.hpp"

#include <cerrno>

#include "cell/messages.hpp"
#include "cell/questions.hpp"
#include "cell/report.hpp"
#include "cell/scan.hpp"
#include "common/files.hpp"
#include "common/outfile.hpp"
#include "common/reflection.hpp"
#include "common/text.hpp"

namespace ped::cell {

void run_cell(const Terminal& t, const CommandLine& cl) {
    std::FILE* out = t.out;
    put_line(out, kThanks);
    std::fputs(kDescription, out);
    std::fputs("\n", out);
    if (cl.given() > 5) say(t, kExtraArguments, cl.given() - 5);

    const std::string input = take_input_name(t, cl);
    const std::string output = output_name(input);
    if (same_file(input, output)) fail(t, strprintf(kOwnOutput, output.c_str()));

    // The output file is created before the data are read, so that a folder where it cannot
    // be written is known before the scan.
    std::FILE* in = std::fopen(input.c_str(), "rb");
    const int in_errno = errno;
    OutFile file;
    const bool created = file.open(output);
    const int out_errno = errno;
    if (!in) fail_file(t, input, in_errno, kCannotOpen);
    std::vector<Reflection> reflections;
    const int reason = created ? read_reflections(in, input, t, reflections) : 0;
    std::fclose(in);
    if (!created) fail_file(t, output, out_errno, kCannotOpen);
    if (reason) fail_file(t, input, reason, kCannotOpen);
    std::fprintf(out, kReflectionCount, static_cast<int>(reflections.size()));

    const int symmetry = take_symmetry(t, cl);
    ScanLimits limits;
    take_g_limits(t, cl, limits);
    take_threshold(t, cl, limits);

    const std::vector<CellFit> fits = scan_windows(reflections, symmetry, limits, out);
    final_report(fits, symmetry, out, file);
    close_or_fail(t, file, t.lang.cannot_write);
    t.in.pause(out);
}

}  // namespace ped::cell
