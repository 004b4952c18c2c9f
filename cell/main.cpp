// cellsolve: refines a cubic, tetragonal, orthorhombic, hexagonal or monoclinic cell from the
// merged reflection list of the merge tool.
#include "cell/messages.hpp"
#include "cell/run.hpp"
#include "common/tool.hpp"

int main(int argc, char** argv) {
    const ped::ToolInfo info{
        "cellsolve", ped::cell::kLanguage, ped::cell::kUsage, ped::cell::kOptionsUsage, {}};
    return ped::run_tool(argc, argv, info, ped::cell::run_cell);
}
