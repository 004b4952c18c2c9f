#include "driver.hpp"

#include <cerrno>

#include "dialogue.hpp"
#include "grid.hpp"
#include "map_files.hpp"
#include "messages.hpp"
#include "outfile.hpp"
#include "point_file.hpp"
#include "row_angles.hpp"
#include "text.hpp"
#include "tilt_file.hpp"

namespace ped {

namespace {

int cannot_create(const Terminal& t, const std::string& path, int reason) {
    return file_error(t, path, reason, kWriteFailed);
}

// Reads the tilt file and checks the answers against it; false after `error`.
bool read_rows(const Terminal& t, const MapRun& run, std::vector<Row>& rows) {
    const TiltRead read = read_tilt_file(run.input, rows);
    if (read.status == TiltRead::kCannotOpen) {
        file_error(t, run.input, read.sys_error, kBadInputName);
        return false;
    }
    std::string fault = run_values_fault(run, rows.size());
    if (read.status == TiltRead::kBadLine)
        fault = strprintf("error: ligne %d du fichier %s : il faut trois nombres (%s)",
                          read.bad_line, run.input.c_str(), "deux angles et une distance");
    if (fault.empty()) return true;
    error(t, fault.c_str());
    return false;
}

void print_angles(const Terminal& t, const std::vector<double>& angles) {
    std::fputs("\n", t.out);
    for (size_t i = 0; i < angles.size(); ++i)
        std::fprintf(t.out, kAngleLine, static_cast<int>(i + 1), degrees(angles[i]));
    std::fputs("\n", t.out);
}

// Writes one of the map files with `write`; false after `error` when it fails.
template <typename Write>
bool write_map_file(const Terminal& t, const std::string& path, const Grid& grid, Write write) {
    OutFile file;
    if (!file.open(path)) {
        cannot_create(t, path, errno);
        return false;
    }
    write(file, grid);
    return close_checked(t, file, kWriteFailed);
}

}  // namespace

int run_map(const Terminal& t, const std::vector<std::string>& args) {
    std::fputs(kMapGreeting, t.out);
    MapRun run;
    if (!take_run_values(t, args, run)) return -1;
    std::vector<Row> rows;
    if (!read_rows(t, run, rows)) return -1;

    const std::vector<double> angles = row_angles(rows, run.reference - 1);
    print_angles(t, angles);

    OutFile point_file;
    if (!point_file.open(run.output)) return cannot_create(t, run.output, errno);
    write_point_file(point_file, rows, angles, run.reference - 1, run.repetitions);
    if (!close_checked(t, point_file, kWriteFailed)) return -1;

    std::vector<Point> points;
    if (!read_point_file(run.output, points))
        return file_error(t, run.output, errno, kCannotReopen);
    const Extent extent = extent_of(points);
    std::fprintf(t.out, kExtentLine, extent.size());
    const Grid grid = render_map(points, extent);
    if (!write_map_file(t, text_map_name(run.output), grid, write_text_map) ||
        !write_map_file(t, picture_name(run.output), grid, write_picture))
        return -1;

    std::fputs(kFinished, t.out);
    t.in.pause(t.out);
    return 0;
}

}  // namespace ped
