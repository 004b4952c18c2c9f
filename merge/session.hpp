// What the stages of the merge tool share: the terminal and the catalogue of this build.
#pragma once

#include "messages.hpp"
#include "terminal.hpp"

namespace ped {

struct Session {
    const Terminal& term;
    const Messages& msg;
};

}  // namespace ped
