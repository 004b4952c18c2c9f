// Zone files: one reflection per line, h k l and eight reals; ';' starts a comment line.
// Records are carried in the fixed layout the preparation has always used, so every real
// keeps the precision of its column.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "merge/pipeline/session.hpp"

namespace ped::merge {

// The layout of a record between the extinction filter and the preparation: h k l in
// kIndexWidth columns each ("%4d"), then the eight reals, each in the width and with the
// decimals of its column ("%15.2lf").
inline constexpr int kIndexWidth = 4;
struct ZoneColumn {
    int width, decimals;
    const char* meaning;
};
inline constexpr int kZoneReals = 8;
inline constexpr ZoneColumn kZoneColumns[kZoneReals] = {
    {15, 2, "I"}, {15, 2, "Poisson(I) error"}, {15, 2, "carried"}, {15, 2, "Sig(bg) error"},
    {15, 8, "g"}, {15, 8, "carried"},          {10, 2, "spot x"},  {10, 2, "spot y"}};
enum Column { kI = 0, kPoisson = 1, kSigBg = 3, kG = 4, kX = 6, kY = 7 };

struct ZoneRecord {
    int h = 0, k = 0, l = 0;
    double v[kZoneReals] = {};  // by column
};

// The record as one line of that layout.
std::string zone_line(const ZoneRecord& r);

// The record as it reads back from that layout: every real rounded to the decimals of its
// column. Each value is rounded on its own, so a value that fills its column never runs
// into its neighbour.
ZoneRecord through_zone_layout(const ZoneRecord& r);

// Rounds a value to `decimals` places exactly as "%.*f" prints it and reads it back.
double round_as_printed(double value, int decimals);

// Parses a record line: three integers and eight finite reals (further words are ignored),
// read one after another as scanf does.
bool parse_zone_record(const std::string& line, ZoneRecord& r);

// True when every value keeps to its column in the zone layout (indices from -999 to 9999,
// reals no wider than their columns) and the values the prepared file carries on (k, l, I,
// both errors, g) keep a blank before them there (or begin with their minus sign): a wider
// value would run into its neighbour in the files that carry the record on, and the prepared
// file's line would not read back.
bool fits_zone_layout(const ZoneRecord& r);

// Reads a zone file: comment lines and blank lines are skipped; a line that is not a full
// record, whose values do not fit their columns or that is longer than kLongestLine, is skipped
// with a warning naming the file and the line (and counted in `skipped` when one is given). Returns
// 0, or the system's reason why the file could not be opened or read.
int read_zone_file(const Session& s, const std::string& path, std::vector<ZoneRecord>& records,
                   int* skipped = nullptr);

// The same from an open stream, `name` naming it in the warnings.
int read_zone_file(const Session& s, std::FILE* file, const std::string& name,
                   std::vector<ZoneRecord>& records, int* skipped = nullptr);

}  // namespace ped::merge
