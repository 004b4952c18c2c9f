// Tilt files: rows of three numbers and anything else; then the angles, the points and the
// map of what was read, the reference and the repetition count taken from the first bytes.
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/outfile.hpp"
#include "fuzz_input.hpp"
#include "map/grid.hpp"
#include "map/point_file.hpp"
#include "map/row_angles.hpp"
#include "map/tilt_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    using namespace ped::map;
    std::FILE* in = fuzz::as_stream(data, size);
    if (!in) return 0;
    std::vector<Row> rows;
    const TiltRead read = read_tilt_file(in, rows);
    std::fclose(in);
    if (read.reason || read.bad_line || rows.empty() || rows.size() > 64) return 0;

    const int reference = (size > 0 ? data[0] : 0) % static_cast<int>(rows.size());
    const int repetitions = 1 + (size > 1 ? data[1] : 0) % 8;
    const std::vector<double> angles = row_angles(rows, reference);
    static const std::string path = "/tmp/fuzz_tilt_points." + std::to_string(getpid());
    OutFile out;
    if (!out.open(path)) return 0;
    write_point_file(out, rows, angles, reference, repetitions);
    fuzz::require(out.close());
    std::vector<Point> points;
    fuzz::require(read_point_file(path, points) == 0);
    const Extent e = extent_of(points);
    const Grid grid = render_map(points, e);
    (void)grid;
    return 0;
}
