// Run parameters of the merge tool, from the command line by position or from the console.
//
//   position  1        list file name
//             2, 3     gmin, gmax          (a value that does not convert keeps 0 or 100)
//             4        sigma
//             5 .. 9   negatives flag, error choice, Friedel flag, space group, Lorentz flag
//             10, 11   voltage (kV) and precession semi-angle, when the Lorentz flag is 0
//             12       output base name when the Lorentz flag is 0, else position 10
//
// A value comes from the command line when there are at least as many arguments as its
// highest position; otherwise its question is asked.
#pragma once

#include <string>
#include <vector>

#include "messages.hpp"
#include "prepare.hpp"
#include "session.hpp"
#include "zone_list.hpp"

namespace ped {

struct RunParams {
    std::string list = kDefaultList;
    double sigma = 0;
    PrepareOptions prep;
    std::string output = kDefaultOutput;
};

// Position 1 or question 1.
std::string take_list_name(const Session& s, const std::vector<std::string>& args);

// Positions 2 to 11 or questions 2 to 9. False, after `error`, when a command-line value
// that must be a number is not one.
bool take_parameters(const Session& s, const std::vector<std::string>& args, RunParams& p);

// The four files written from an output base name.
struct OutputNames {
    std::string report, report_g, scaled, merged;  // <out>.txt <out>g.txt <out>.hkl <out>fin.hkl
};
OutputNames output_names(const std::string& base);

// The input file (list, zone file or prepared file) that one of the output files of `base`
// would overwrite, or "" when there is none.
std::string overwritten_input(const std::string& base, const std::string& list,
                              const std::vector<Zone>& zones);

// Position 12 (Lorentz flag 0) or 10 (otherwise), or question 11. A name that would
// overwrite an input is refused: asked again on the console; from the command line `error`
// and false.
bool take_output_name(const Session& s, const std::vector<std::string>& args,
                      const std::vector<Zone>& zones, RunParams& p);

}  // namespace ped
