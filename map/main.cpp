// tiltmap: the angles of reflection rows against a reference row, their point file, and the
// 501 x 501 map of the points as a text matrix and as a picture.
#include "common/tool.hpp"
#include "map/messages.hpp"
#include "map/run.hpp"

int main(int argc, char** argv) {
    const ped::ToolInfo info{
        "tiltmap", ped::map::kLanguage, ped::map::kUsage, ped::map::kOptionsUsage, {}};
    return ped::run_tool(argc, argv, info, ped::map::run_map);
}
