// cellsolve: refines a cubic, tetragonal, orthorhombic, hexagonal or monoclinic cell from the
// merged reflection list of the merge tool.
#include "cell/messages.hpp"
#include "cell/run.hpp"
#include "common/tool.hpp"

int main(int argc, char** argv) {
    using namespace ped;
    return run_tool<cell::CellOptions>(argc, argv, {"cellsolve", cell::kLanguage, cell::kUsage},
                                       cell::cell_option_table(), cell::run_cell);
}
