// The map tool from start to end: greeting, questions, tilt file, row angles, point file,
// map and picture, final message.
#pragma once

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped::map {

// The tool has no options of its own.
struct MapOptions {};

// The whole run; returns its exit status (0). A fatal error throws Fatal.
int run_map(const Terminal& t, const CommandLine& cl, const MapOptions&);

}  // namespace ped::map
