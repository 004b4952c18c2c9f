#include "merge/prepared_file.hpp"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <tuple>

namespace ped::merge {

namespace {

std::tuple<int, int, int> triple(const Reflection& r) {
    return {r.h, r.k, r.l};
}

}  // namespace

size_t IndexedReflections::slot_of(int h, int k, int l) const {
    std::uint64_t x = static_cast<std::uint32_t>(h) * 0x9E3779B97F4A7C15ull;
    x ^= static_cast<std::uint32_t>(k) * 0xC2B2AE3D27D4EB4Full + (x >> 29);
    x ^= static_cast<std::uint32_t>(l) * 0x165667B19E3779F9ull + (x >> 32);
    x ^= x >> 31;
    return static_cast<size_t>(x) & (slots_.size() - 1);
}

void IndexedReflections::build_index() {
    positions_.resize(records.size());
    std::iota(positions_.begin(), positions_.end(), 0u);
    std::stable_sort(positions_.begin(), positions_.end(), [this](unsigned a, unsigned b) {
        return triple(records[a]) < triple(records[b]);
    });
    groups_.clear();
    for (unsigned i = 0; i < positions_.size(); ++i) {
        const Reflection& r = records[positions_[i]];
        if (groups_.empty() || std::tie(groups_.back().h, groups_.back().k, groups_.back().l) !=
                                   std::tie(r.h, r.k, r.l))
            groups_.push_back({r.h, r.k, r.l, i, 0});
        ++groups_.back().count;
    }
    size_t size = 1;
    while (size < 2 * groups_.size()) size *= 2;
    slots_.assign(size, -1);
    for (size_t g = 0; g < groups_.size(); ++g) {
        size_t s = slot_of(groups_[g].h, groups_[g].k, groups_[g].l);
        while (slots_[s] >= 0) s = (s + 1) & (size - 1);
        slots_[s] = static_cast<int>(g);
    }
}

std::pair<const unsigned*, const unsigned*> IndexedReflections::find(int h, int k, int l) const {
    for (size_t s = slot_of(h, k, l); slots_[s] >= 0; s = (s + 1) & (slots_.size() - 1)) {
        const Group& g = groups_[static_cast<size_t>(slots_[s])];
        if (g.h == h && g.k == k && g.l == l)
            return {positions_.data() + g.first, positions_.data() + g.first + g.count};
    }
    return {nullptr, nullptr};
}

const IndexedReflections* PreparedFiles::get(const std::string& path, int& reason) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        Entry entry{0, {}};
        entry.reason = read_reflections(path, t_, entry.data.records);
        entry.data.build_index();
        found = files_.emplace(path, std::move(entry)).first;
    }
    reason = found->second.reason;
    return reason == 0 ? &found->second.data : nullptr;
}

}  // namespace ped::merge
