#include "map/run.hpp"

#include <cerrno>

#include "common/outfile.hpp"
#include "common/text.hpp"
#include "map/grid.hpp"
#include "map/map_files.hpp"
#include "map/messages.hpp"
#include "map/point_file.hpp"
#include "map/questions.hpp"
#include "map/row_angles.hpp"
#include "map/tilt_file.hpp"

namespace ped::map {

namespace {

// Reads the tilt file and checks the answers against it.
std::vector<Row> read_rows(const Terminal& t, const MapRun& run) {
    std::vector<Row> rows;
    const TiltRead read = read_tilt_file(run.input, rows);
    if (read.reason) fail_file(t, run.input, read.reason, kBadInputName);
    std::string fault;
    if (read.too_long)
        fault = strprintf(kLongRow, read.bad_line, run.input.c_str(), kLongestLine);
    else if (read.bad_line)
        fault = strprintf(kBadRow, read.bad_line, run.input.c_str());
    else
        fault = run_values_fault(run, rows.size());
    if (!fault.empty()) fail(fault);
    return rows;
}

void print_angles(const Terminal& t, const std::vector<double>& angles) {
    std::fputs("\n", t.out);
    for (size_t i = 0; i < angles.size(); ++i)
        std::fprintf(t.out, kAngleLine, static_cast<int>(i + 1), degrees(angles[i]));
    std::fputs("\n", t.out);
}

// Writes one output file with `write`; a file that cannot be created or written is fatal.
template <typename Write>
void write_file(const Terminal& t, const std::string& path, Write write) {
    OutFile file;
    if (!file.open(path)) fail_file(t, path, errno, kWriteFailed);
    write(file);
    close_or_fail(t, file, kWriteFailed);
}

}  // namespace

int run_map(const Terminal& t, const CommandLine& cl, const MapOptions&) {
    std::fputs(kGreeting, t.out);
    const MapRun run = take_run_values(t, cl);
    const std::vector<Row> rows = read_rows(t, run);

    const std::vector<double> angles = row_angles(rows, run.reference - 1);
    print_angles(t, angles);

    write_file(t, run.output, [&](OutFile& f) {
        write_point_file(f, rows, angles, run.reference - 1, run.repetitions);
    });

    std::vector<Point> points;
    if (const int reason = read_point_file(run.output, points))
        fail_file(t, run.output, reason, kCannotReopen);
    const Extent extent = extent_of(points);
    std::fprintf(t.out, kExtentLine, extent.size());
    const Grid grid = render_map(points, extent);
    write_file(t, text_map_name(run.output), [&](OutFile& f) { write_text_map(f, grid); });
    const std::string picture = picture_png(grid);
    if (picture.empty()) fail_file(t, picture_name(run.output), ENOMEM, kWriteFailed);
    write_file(t, picture_name(run.output), [&](OutFile& f) { f.write(picture); });

    std::fputs(kFinished, t.out);
    t.in.pause(t.out);
    return 0;
}

}  // namespace ped::map
