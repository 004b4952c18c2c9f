// The tilt file: one row of reflections per line, "first-tilt second-tilt spacing" (the two
// tilt angles in degrees, the spacing of the reflections along the row in the unit of the
// map). Blank lines are skipped and not counted; words after the third number are ignored. A
// line longer than kLongestLine is no row.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ped::map {

struct Row {
    double tilt1 = 0;    // first tilt angle, degrees
    double tilt2 = 0;    // second tilt angle, degrees
    double spacing = 0;  // distance between neighbouring reflections along the row
};

struct TiltRead {
    int reason = 0;         // the system's reason why the file could not be opened or read, or 0
    long bad_line = 0;      // the first line (blank lines counted) without three numbers, or 0
    bool too_long = false;  // that line is longer than kLongestLine
};

// Parses one line. False when it does not start with three numbers.
bool parse_row(const std::string& line, Row& row);

// Reads the rows of the file into `rows`, in file order, up to the first line that is no row.
TiltRead read_tilt_file(const std::string& path, std::vector<Row>& rows);
TiltRead read_tilt_file(std::FILE* file, std::vector<Row>& rows);

}  // namespace ped::map
