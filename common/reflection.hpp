// A reflection as the prepared, scaled and merged files hold it: h k l I sigI g, one record a
// line, written in a fixed layout. The merge tool writes these files; the cell tool reads the
// merged one.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/terminal.hpp"

namespace ped {

struct Reflection {
    int h = 0, k = 0, l = 0;
    double i = 0, sig = 0, g = 0;
};

inline constexpr const char* kReflectionFields = "h k l I sigI g";

inline bool is_finite(const Reflection& r) {
    return std::isfinite(r.i) && std::isfinite(r.sig) && std::isfinite(r.g);
}

// True when every field of the record after h, written in its layout ("%4d%4d%4d%15.2lf%15.2lf
// %15.8lf\n", append_reflection in common/format.hpp), keeps a blank
// before it or begins with its minus sign, so that the line reads back as it was written. A
// positive value whose text takes its whole width (k or l of 1000 and more, I or sigI that
// round to 10^11 and more, g that rounds to 10^5 and more) would run into its neighbour.
bool keeps_separators(const Reflection& r);

// Parses a record: three integers and three finite reals, read one after another as the
// fixed-width layout allows (a value wider than its field touches its neighbour, as in
// "  12-103"). Words after the sixth value are ignored. False when the line is no record.
bool parse_reflection(const std::string& line, Reflection& r);

// Reads every record of a file in file order. Blank lines are skipped; a line that is not a
// record, or is longer than kLongestLine, is skipped with a warning naming `name` and the line.
// Returns 0, or the system's reason why the file could not be opened or read.
int read_reflections(std::FILE* file, const std::string& name, const Terminal& t,
                     std::vector<Reflection>& out);
int read_reflections(const std::string& path, const Terminal& t, std::vector<Reflection>& out);

}  // namespace ped
