// The input file name (command-line position 1 or the question) and the output file name
// derived from it.
#pragma once

#include <string>
#include <vector>

#include "terminal.hpp"

namespace ped::cell {

// Position 1, or the question: a line end selects "TAVsortiefin.hkl", otherwise the name is
// the word typed (blanks before it on the line are skipped).
std::string take_input_name(const Terminal& t, const std::vector<std::string>& args);

// The input name with its last three characters replaced by "out" (TAVsortiefin.hkl gives
// TAVsortiefin.out); a name of fewer than three characters gets ".out" appended.
std::string output_name(const std::string& input);

}  // namespace ped::cell
