// Prepared, scaled and merged files (h k l I sigI g): the merge tool's reader, the matching of
// a file against itself, the statistics and the symmetry merging under every Laue class; and
// the cell tool's reader with a fit of every crystal system.
#include <cstdint>
#include <vector>

#include "fit.hpp"
#include "fuzz_input.hpp"
#include "pair_compare.hpp"
#include "prepared_file.hpp"
#include "reflections.hpp"
#include "symmetry_merge.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    std::FILE* in = fuzz::as_stream(data, size);
    if (!in) return 0;
    IndexedReflections file;
    read_reflection_records(in, "fuzz", fuzz::sink(), file.records);
    file.build_index();
    for (const Reflection& r : file.records) {
        fuzz::require(is_finite(r));
        const auto range = file.find(r.h, r.k, r.l);
        fuzz::require(range.first != range.second);
    }
    for (PairKind kind : {PairKind::intensities, PairKind::g}) {
        const std::vector<Retained> kept = common_reflections(file, file, kind, 0);
        for (const Retained& r : kept) fuzz::require(std::isfinite(r.ratio));
        if (!kept.empty()) (void)pair_statistics(kept, kind);
    }
    const int code = 1 + (size > 0 ? data[size - 1] : 0) % 12;
    const MergeResult m = merge_equivalents(file.records, code);
    size_t members = 0;
    for (int multiplicity : m.multiplicities) members += static_cast<size_t>(multiplicity);
    fuzz::require(members == file.records.size());
    fuzz::require(std::isfinite(m.rint));

    std::rewind(in);
    std::vector<cell::Reflection> cell_records;
    cell::read_reflections(in, "fuzz", fuzz::sink(), cell_records);
    std::fclose(in);
    if (!cell_records.empty()) {
        std::vector<cell::Selected> set;
        for (const cell::Reflection& r : cell_records) set.push_back({r.h, r.k, r.l, r.g});
        for (int symmetry : {'c', 'q', 'o', 'h', 'm'}) {
            cell::CellFit fit;
            (void)cell::fit_window(set, symmetry, fuzz::sink(), fit);
        }
    }
    return 0;
}
