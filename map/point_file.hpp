// The point file: for each row in order, the origin "0\t0", then the reflections of the row
// that lie in the window of the reference row, one per line as "x\ty\t\tangle" (the angle
// in degrees). The map is drawn from this file as it reads back.
#pragma once

#include <string>
#include <vector>

#include "common/outfile.hpp"
#include "map/tilt_file.hpp"

namespace ped::map {

struct Point {
    double x = 0, y = 0;
};

// The window of the reference row: repetitions x its spacing x 1.01. A point is kept when
// x <= lim and -lim <= y <= lim; nothing bounds x from below.
double window_limit(const Row& reference, int repetitions);

// Writes the point file: for row i, the points j x spacing along its angle for j = 1 to
// 2 x repetitions that the window keeps.
void write_point_file(OutFile& out, const std::vector<Row>& rows, const std::vector<double>& angles,
                      int reference, int repetitions);

// Reads x and y of every line (further columns ignored; a line without two numbers, or longer
// than kLongestLine, is skipped). Returns 0, or the system's reason why the file could not be
// opened or read.
int read_point_file(const std::string& path, std::vector<Point>& points);

}  // namespace ped::map
