// List files: one zone name per line, anything else.
#include <cstdint>
#include <vector>

#include "common/text.hpp"
#include "fuzz_input.hpp"
#include "merge/pipeline/zone_list.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    using namespace ped::merge;
    std::FILE* in = fuzz::as_stream(data, size);
    if (!in) return 0;
    std::vector<Zone> zones;
    read_zone_list(fuzz::quiet_terminal(), in, "fuzz", zones);
    std::fclose(in);
    for (const Zone& z : zones) {
        fuzz::require(!z.name.empty());
        for (char c : z.name) fuzz::require(!is_space(static_cast<unsigned char>(c)));
        fuzz::require(z.prepared == z.name + ".hkl");
    }
    return 0;
}
