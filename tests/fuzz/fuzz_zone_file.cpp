// Zone files: records, comments and anything else; then the filter and the preparation of
// what was read, under options taken from the first byte.
#include <cstdint>
#include <vector>

#include "common/format.hpp"
#include "fuzz_input.hpp"
#include "merge/pipeline/extinction.hpp"
#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/zone_file.hpp"
#include "merge/symmetry/conditions.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    using namespace ped::merge;
    std::FILE* in = fuzz::as_stream(data, size);
    if (!in) return 0;
    std::vector<ZoneRecord> records;
    read_zone_file(Session{fuzz::quiet_terminal(), english_catalogue}, in, "fuzz", records);
    std::fclose(in);

    const unsigned choice = size > 0 ? data[0] : 0;
    for (ZoneRecord& r : records) {
        r = through_zone_layout(r);
        for (double v : r.v) fuzz::require(std::isfinite(v));
        (void)zone_line(r);
    }
    records = filter_extinctions(
        records, legacy_symmetry(static_cast<int>(choice % 240)).conditions, fuzz::sink(), nullptr);

    PrepareOptions o;
    o.negatives_to_one = choice & 1;
    o.poisson_error = (choice >> 1) & 1;
    o.friedel_merge = (choice >> 2) & 1;
    o.lorentz = (choice >> 3) & 1;
    o.voltage = 200;
    o.angle = (choice >> 4) * 0.25;
    o.gmin = -1;
    o.gmax = 1e300;
    const ZonePreparation p = prepare_zone(records, o, 0.001);
    for (const Reflection& r : p.records) {
        fuzz::require(is_finite(r));
        fuzz::require(r.i > 0);
        // Its line of the prepared file reads back as this record.
        std::string line;
        append_reflection(line, r.h, r.k, r.l, r.i, r.sig, r.g);
        Reflection back;
        fuzz::require(parse_reflection(line, back) && back.h == r.h && back.k == r.k &&
                      back.l == r.l);
    }
    // Every record is kept, merged into a kept line or dropped for one reason.
    fuzz::require(p.counts.sum() == static_cast<int>(records.size()));
    fuzz::require(p.counts.kept == static_cast<int>(p.records.size()));
    return 0;
}
