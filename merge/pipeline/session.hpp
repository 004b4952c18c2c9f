// What the stages of the merge tool share: the terminal and the catalogue of this build.
#pragma once

#include "common/terminal.hpp"
#include "merge/pipeline/messages.hpp"

namespace ped::merge {

struct Session {
    const Terminal& term;
    const Messages& msg;
};

}  // namespace ped::merge
