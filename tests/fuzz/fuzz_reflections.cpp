// Prepared, scaled and merged files (h k l I sigI g): the merge tool's reader, the matching of
// a file against itself (by h k l and by class of equivalents), the statistics and the
// symmetry merging under every Laue class; and the cell tool's reader with a fit of every
// crystal system.
#include <cstdint>
#include <limits>
#include <vector>

#include "cell/fit.hpp"
#include "cell/selection.hpp"
#include "fuzz_input.hpp"
#include "merge/pipeline/pair_compare.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/symmetry_merge.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    using namespace ped::merge;
    std::FILE* in = fuzz::as_stream(data, size);
    if (!in) return 0;
    IndexedReflections file;
    read_reflections(in, "fuzz", fuzz::quiet_terminal(), file.records);
    file.build_index();
    for (size_t r = 0; r < file.records.size(); ++r) {
        fuzz::require(is_finite(file.records[r]));
        const auto range = file.find_key_of(file, r);
        fuzz::require(range.first != range.second);
    }
    const LaueGroup laue = *legacy_laue_group(1 + (size > 0 ? data[size - 1] : 0) % 230);
    IndexedReflections keyed;  // one reflection per class of equivalents
    keyed.records = file.records;
    keyed.build_index([&laue](int h, int k, int l) { return laue.representative(h, k, l); });
    for (PairKind kind : {PairKind::intensities, PairKind::g}) {
        const std::vector<Retained> kept = common_reflections(file, file, kind, 0);
        for (const Retained& r : kept) fuzz::require(std::isfinite(r.ratio));
        if (!kept.empty()) (void)pair_statistics(kept, kind);
        const std::vector<Retained> once = common_reflections(keyed, keyed, kind, 0);
        fuzz::require(once.size() <= file.records.size() - keyed.repeated());
        for (const Retained& r : once) fuzz::require(r.first_record == r.second_record);
    }
    const MergeResult m = merge_equivalents(file.records, laue);
    size_t members = 0;
    for (int multiplicity : m.multiplicities) members += static_cast<size_t>(multiplicity);
    fuzz::require(members == file.records.size());
    fuzz::require(std::isfinite(m.rint));

    std::fclose(in);
    std::vector<cell::Selected> set;
    cell::select_window(cell::candidates_of(file.records), std::numeric_limits<int>::min(), -1e300,
                        1e300, set);
    if (!set.empty()) {
        for (int symmetry : {'c', 'q', 'o', 'h', 'm'}) {
            cell::CellFit fit;
            (void)cell::fit_window(set, symmetry, fuzz::sink(), fit);
        }
    }
    return 0;
}
