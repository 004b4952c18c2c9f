// The parameter banner at the head of <out>.txt.
#pragma once

#include "common/outfile.hpp"
#include "merge/pipeline/messages.hpp"
#include "merge/pipeline/questions.hpp"

namespace ped::merge {

void write_banner(OutFile& report, const Messages& m, const RunParams& p);

// The voltage as a whole number of kV, fraction dropped (clamped to the range of int).
int whole_kilovolts(double voltage);

}  // namespace ped::merge
