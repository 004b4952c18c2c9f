// tiltmap: the angles of reflection rows against a reference row, their point file, and the
// 501 x 501 map of the points as a text matrix and as a picture.
#include "common/tool.hpp"
#include "map/messages.hpp"
#include "map/run.hpp"

int main(int argc, char** argv) {
    using namespace ped;
    const OptionTable<map::MapOptions> options{};
    return run_tool<map::MapOptions>(argc, argv, {"tiltmap", map::kLanguage, map::kUsage}, options,
                                     map::run_map);
}
