#include "merge/prepared_file.hpp"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace ped::merge {

size_t IndexedReflections::slot_of(const Triple& key) const {
    std::uint64_t x = static_cast<std::uint64_t>(key[0]) * 0x9E3779B97F4A7C15ull;
    x ^= static_cast<std::uint64_t>(key[1]) * 0xC2B2AE3D27D4EB4Full + (x >> 29);
    x ^= static_cast<std::uint64_t>(key[2]) * 0x165667B19E3779F9ull + (x >> 32);
    x ^= x >> 31;
    return static_cast<size_t>(x) & (slots_.size() - 1);
}

void IndexedReflections::build_index(const MatchKey& key) {
    keyed_ = static_cast<bool>(key);
    std::vector<Triple> keys(records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        const Reflection& x = records[r];
        keys[r] = key ? key(x.h, x.k, x.l) : Triple{x.h, x.k, x.l};
    }
    positions_.resize(records.size());
    std::iota(positions_.begin(), positions_.end(), 0u);
    std::stable_sort(positions_.begin(), positions_.end(),
                     [&keys](unsigned a, unsigned b) { return keys[a] < keys[b]; });
    groups_.clear();
    group_of_.resize(records.size());
    for (unsigned i = 0; i < positions_.size(); ++i) {
        const Triple& k = keys[positions_[i]];
        if (groups_.empty() || groups_.back().key != k) groups_.push_back({k, i, 0});
        ++groups_.back().count;
        group_of_[positions_[i]] = static_cast<unsigned>(groups_.size() - 1);
    }
    size_t size = 1;
    while (size < 2 * groups_.size()) size *= 2;
    slots_.assign(size, -1);
    for (size_t g = 0; g < groups_.size(); ++g) {
        size_t s = slot_of(groups_[g].key);
        while (slots_[s] >= 0) s = (s + 1) & (size - 1);
        slots_[s] = static_cast<int>(g);
    }
}

std::pair<const unsigned*, const unsigned*> IndexedReflections::find(const Triple& key) const {
    for (size_t s = slot_of(key); slots_[s] >= 0; s = (s + 1) & (slots_.size() - 1)) {
        const Group& g = groups_[static_cast<size_t>(slots_[s])];
        if (g.key == key)
            return {positions_.data() + g.first, positions_.data() + g.first + g.count};
    }
    return {nullptr, nullptr};
}

const IndexedReflections* PreparedFiles::get(const std::string& path, int& reason) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        Entry entry{0, {}};
        entry.reason = read_reflections(path, t_, entry.data.records);
        entry.data.build_index(key_);
        found = files_.emplace(path, std::move(entry)).first;
    }
    reason = found->second.reason;
    return reason == 0 ? &found->second.data : nullptr;
}

}  // namespace ped::merge
