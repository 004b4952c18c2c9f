// The merged reflection list the cell tool reads: one record "h k l I sigI g" per line, as the
// merge tool writes it ("%4d%4d%4d%15.2lf%15.2lf%15.8lf").
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ped::cell {

// What the tool keeps of a record: the indices, g and the ratio I / sigI. A sigma of 0 gives
// an infinite ratio (or not a number when I is 0 too); such a reflection passes every
// threshold.
struct Reflection {
    int h = 0, k = 0, l = 0;
    double g = 0;
    double ratio = 0;
};

// Parses a record: three integers and three finite reals, read one after the other as the
// fixed-width layout allows (a value wider than its field touches its neighbour, as in
// "  12-103"). Words after the sixth value are ignored. False when the line is no record.
bool parse_merged_record(const std::string& line, Reflection& r);

// Reads every record of an open merged file in file order. Blank lines are skipped; a line
// that is not a record is skipped with a warning on `diag` naming `path` and the line number.
// False when the file could not be read to its end.
bool read_reflections(std::FILE* file, const std::string& path, std::FILE* diag,
                      std::vector<Reflection>& reflections);

}  // namespace ped::cell
