// The run values of the map tool, from the command line by position or from the console:
//
//   position 1   the tilt file (question "Quel est le nom du fichier input?" otherwise)
//   position 2   the output name, taken only when position 1 is given as well
//
// The reference line and the repetition count are always asked, in that order, between the
// input and the output name.
#pragma once

#include <string>

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped::map {

// The largest repetition count. Beyond a few hundred reflections the marks of a row already
// run together on the 501-cell map; the bound keeps a mistyped count from writing a point
// file of billions of lines.
inline constexpr int kMaxRepetitions = 10000;

struct MapRun {
    std::string input;   // the tilt file
    std::string output;  // the point file; the map files add ".bmp" and ".png"
    int reference = 0;   // 1-based, as typed
    int repetitions = 0;
};

// Asks what the command line does not give. An output name whose files would replace the tilt
// file is refused: asked again on the console, fatal from the command line. Positions after
// the second are said to be unused.
MapRun take_run_values(const Terminal& t, const CommandLine& cl);

// What is wrong with the reference line or the repetition count for a tilt file of `rows`
// rows, as the message for `error`; "" when both fit.
std::string run_values_fault(const MapRun& run, size_t rows);

}  // namespace ped::map
