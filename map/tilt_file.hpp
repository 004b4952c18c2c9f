// The tilt file: one row of reflections per line, "first-tilt second-tilt spacing" (the two
// tilt angles in degrees, the spacing of the reflections along the row in the unit of the
// map). Blank lines are skipped and not counted; words after the third number are ignored.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ped {

struct Row {
    double tilt1 = 0;    // first tilt angle, degrees
    double tilt2 = 0;    // second tilt angle, degrees
    double spacing = 0;  // distance between neighbouring reflections along the row
};

struct TiltRead {
    enum Status { kOk, kCannotOpen, kBadLine } status = kOk;
    int bad_line = 0;   // with kBadLine: the 1-based line of the file (blank lines counted)
    int sys_error = 0;  // with kCannotOpen: the system's reason (errno)
};

// Parses one line. False when it does not start with three numbers.
bool parse_row(const std::string& line, Row& row);

// Reads every row of the file into `rows`, in file order.
TiltRead read_tilt_file(const std::string& path, std::vector<Row>& rows);

// The same from an open stream.
TiltRead read_tilt_rows(std::FILE* file, std::vector<Row>& rows);

}  // namespace ped
