// Space-group symbols as a user types them: any text either names no group or a group whose
// conditions remove exactly gemmi's absences among a few reflections the text also chooses,
// and whose Laue group maps every reflection onto its representative's class.
#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_input.hpp"
#include "merge/pipeline/run_symmetry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped::merge;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<SpaceGroupSetting> g = find_space_group(text);
    if (!g) return 0;
    const gemmi::GroupOps ops = gemmi::symops_from_hall(g->hall.c_str());
    const RunSymmetry symmetry = setting_symmetry(*g);
    const LaueGroup& laue = *symmetry.laue;
    const std::size_t order = laue.ops.sym_ops.size();
    ped::fuzz::require(order == 2 || order == 4 || order == 6 || order == 8 || order == 12 ||
                       order == 16 || order == 24 || order == 48);
    for (std::size_t i = 0; i + 2 < size && i < 30; i += 3) {
        const int h = static_cast<signed char>(data[i]) % 13;
        const int k = static_cast<signed char>(data[i + 1]) % 13;
        const int l = static_cast<signed char>(data[i + 2]) % 13;
        ped::fuzz::require(symmetry.allowed(h, k, l) != ops.is_systematically_absent({h, k, l}));
        const Triple r = laue.representative(h, k, l);
        const std::vector<Triple> eq = laue.equivalents(h, k, l);
        ped::fuzz::require(std::find(eq.begin(), eq.end(), r) != eq.end());
        ped::fuzz::require(laue.representative(int(r[0]), int(r[1]), int(r[2])) == r);
    }
    return 0;
}
