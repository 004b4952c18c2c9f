// Run parameters of the merge tool, from the command line by position or from the console.
//
//   position  1        list file name
//             2, 3     gmin, gmax          (a value that does not convert keeps 0 or 100)
//             4        sigma
//             5 .. 9   negatives flag, error choice, Friedel flag, space group, Lorentz flag
//             10, 11   voltage (kV) and precession semi-angle, when the Lorentz flag is 0
//             12       output base name when the Lorentz flag is 0, else position 10
//
// With --sg the group is named by the option and its question is not asked; the positions
// keep their places: position 8, when given, must be the number of the symbol's group.
// Positions the run does not read are said on standard error.
//
// A value comes from the command line when there are at least as many positions as its
// highest position; otherwise its question is asked. The flags are answered "0 for yes" (or
// "0 for the first choice"); here they become what they mean.
#pragma once

#include <string>
#include <vector>

#include "common/command_line.hpp"
#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

struct RunParams {
    std::string list = kDefaultList;
    double sigma = 0;
    PrepareOptions prep;
    std::string output = kDefaultOutput;
};

// Position 1 or question 1.
std::string take_list_name(const Session& s, const CommandLine& cl);

// Positions 2 to 11 or questions 2 to 9 (with --sg, its group's number instead of question 7).
void take_parameters(const Session& s, const CommandLine& cl, const MergeOptions& o, RunParams& p);

// The four files written from an output base name.
struct OutputNames {
    std::string report, report_g, scaled, merged;  // <out>.txt <out>g.txt <out>.hkl <out>fin.hkl
};
OutputNames output_names(const std::string& base);

// Position 12 (Lorentz correction) or 10 (otherwise), or question 11. A name whose files would
// replace an input (the list, a zone file, a prepared file or one of `more_inputs`) is
// refused; `more_suffixes` name the files the run writes beyond the four (<out> + suffix).
std::string take_output_name(const Session& s, const CommandLine& cl, const RunParams& p,
                             const std::vector<Zone>& zones,
                             const std::vector<std::string>& more_suffixes = {},
                             const std::vector<std::string>& more_inputs = {});

}  // namespace ped::merge
