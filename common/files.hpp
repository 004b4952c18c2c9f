// File identity, so that a tool never writes over one of its own inputs.
#pragma once

#include <string>
#include <vector>

namespace ped {

// True when the two names reach the same file: the same existing file (links and different
// spellings of one path included), or the same path once made absolute and normalised.
bool same_file(const std::string& a, const std::string& b);

// The first of `inputs` that one of `outputs` would replace, or "" when there is none.
std::string replaced_input(const std::vector<std::string>& outputs,
                           const std::vector<std::string>& inputs);

}  // namespace ped
