// The file names and the three questions of the cell tool, or their command-line positions:
//
//   position  1   the merged file (question, or "TAVsortiefin.hkl" for an empty answer)
//             2   symmetry code as a number (99 c, 104 h, 109 m, 111 o, 113 q)
//             3   gmin
//             4   gmax
//             5   maximum I/sigma(I) threshold L
//
// A value comes from the command line when there are at least as many positions as its
// position; otherwise its question is asked. On the console a refused answer is asked again;
// from the command line it is fatal.
#pragma once

#include <string>

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped::cell {

struct ScanLimits {
    double gmin = 0, gmax = 0;  // g window scanned, 1/angstrom
    int threshold = 2;          // the scan runs I/sigma(I) thresholds 1 to this
};

// Limits that keep the scan finite: g limits within +-kGBound, at most kGSpan apart;
// thresholds up to kMaxThreshold.
inline constexpr double kGBound = 1000;
inline constexpr double kGSpan = 100;
inline constexpr int kMaxThreshold = 1000;

// Position 1, or the question: a line end selects "TAVsortiefin.hkl", otherwise the name is
// the word typed (blanks before it on the line are skipped).
std::string take_input_name(const Terminal& t, const CommandLine& cl);

// The input name with its last three characters replaced by "out" (TAVsortiefin.hkl gives
// TAVsortiefin.out); a name of fewer than three characters gets ".out" appended.
std::string output_name(const std::string& input);

// Why a pair of g limits is refused, or null when it is accepted. The first test is the tool's
// own: gmin + 0.5 < gmax, answered with "gmin et gmax sont trop proches".
const char* g_limits_fault(double gmin, double gmax);

// Position 2, or the one-character question asked until the answer is c, q, o, h or m.
// A code from the command line is taken as it is.
int take_symmetry(const Terminal& t, const CommandLine& cl);

// Positions 3 and 4, or the questions, until the limits are accepted.
void take_g_limits(const Terminal& t, const CommandLine& cl, ScanLimits& s);

// Position 5, or the question, until the threshold is 2 to kMaxThreshold.
void take_threshold(const Terminal& t, const CommandLine& cl, ScanLimits& s);

}  // namespace ped::cell
