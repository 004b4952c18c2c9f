// The map tool from start to end: greeting, questions, tilt file, row angles, point file,
// map and picture, final message.
#pragma once

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped::map {

// The whole run; a fatal error throws Fatal after `error` has reported it.
void run_map(const Terminal& t, const CommandLine& cl);

}  // namespace ped::map
