// The map tool from start to end: greeting, questions, tilt file, row angles, point file,
// map and picture, final message.
#pragma once

#include <string>
#include <vector>

#include "terminal.hpp"

namespace ped {

// Runs the map tool with the command-line arguments `args` (args[0] is the program).
// Returns 0 on a normal end and -1 on a fatal error (already reported through `error`).
int run_map(const Terminal& t, const std::vector<std::string>& args);

}  // namespace ped
