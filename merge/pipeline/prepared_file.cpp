#include "merge/pipeline/prepared_file.hpp"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace ped::merge {

unsigned KeyNumbers::number_of(const Triple& key) {
    return numbers_.emplace(key, static_cast<unsigned>(numbers_.size())).first->second;
}

long KeyNumbers::find(const Triple& key) const {
    const auto found = numbers_.find(key);
    return found == numbers_.end() ? -1 : static_cast<long>(found->second);
}

void IndexedReflections::build_index(const MatchKey& key, KeyNumbers* numbers) {
    keyed_ = static_cast<bool>(key);
    if (!numbers) {
        own_ = std::make_shared<KeyNumbers>();
        numbers = own_.get();
    }
    numbers_ = numbers;
    std::vector<Triple> keys(records.size());
    std::vector<unsigned> number(records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        const Reflection& x = records[r];
        keys[r] = key ? key(x.h, x.k, x.l) : Triple{x.h, x.k, x.l};
        number[r] = numbers->number_of(keys[r]);
    }
    positions_.resize(records.size());
    std::iota(positions_.begin(), positions_.end(), 0u);
    std::stable_sort(positions_.begin(), positions_.end(),
                     [&number](unsigned a, unsigned b) { return number[a] < number[b]; });
    groups_.clear();
    group_of_.resize(records.size());
    unsigned largest = 0;
    for (unsigned i = 0; i < positions_.size(); ++i) {
        const unsigned n = number[positions_[i]];
        if (groups_.empty() || groups_.back().number != n)
            groups_.push_back({keys[positions_[i]], n, i, 0});
        ++groups_.back().count;
        group_of_[positions_[i]] = static_cast<unsigned>(groups_.size() - 1);
        largest = std::max(largest, n);
    }
    run_by_number_.assign(groups_.empty() ? 0 : largest + 1, Run{});
    for (const Group& g : groups_) run_by_number_[g.number] = {g.first, g.count};
    number_of_ = std::move(number);
}

std::pair<const unsigned*, const unsigned*> IndexedReflections::run_of(long number) const {
    if (number < 0 || static_cast<size_t>(number) >= run_by_number_.size())
        return {nullptr, nullptr};
    const Run run = run_by_number_[static_cast<size_t>(number)];
    return {positions_.data() + run.first, positions_.data() + run.first + run.count};
}

std::pair<const unsigned*, const unsigned*> IndexedReflections::find(const Triple& key) const {
    return numbers_ ? run_of(numbers_->find(key)) : std::pair<const unsigned*, const unsigned*>{};
}

std::pair<const unsigned*, const unsigned*> IndexedReflections::find_key_of(
    const IndexedReflections& other, size_t r) const {
    return numbers_ == other.numbers_ ? run_of(other.number_of_[r])
                                      : find(other.groups_[other.group_of_[r]].key);
}

const IndexedReflections* PreparedFiles::get(const std::string& path, int& reason) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        Entry entry{0, {}};
        entry.reason = read_reflections(path, t_, entry.data.records);
        entry.data.build_index(key_, &numbers_);
        found = files_.emplace(path, std::move(entry)).first;
    }
    reason = found->second.reason;
    return reason == 0 ? &found->second.data : nullptr;
}

}  // namespace ped::merge
