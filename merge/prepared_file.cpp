#include "prepared_file.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <numeric>
#include <tuple>

#include "text.hpp"

namespace ped {

bool parse_reflection(const std::string& line, Reflection& r) {
    int hkl[3];
    double values[3];
    if (!scan_record(line, hkl, 3, values, 3)) return false;
    r = {hkl[0], hkl[1], hkl[2], values[0], values[1], values[2]};
    return true;
}

bool read_reflection_records(std::FILE* file, const std::string& name, std::FILE* diag,
                             std::vector<Reflection>& out) {
    std::string line;
    long number = 0;
    Reflection r;
    while (read_line(file, line)) {
        ++number;
        if (is_blank(line)) continue;
        if (parse_reflection(line, r))
            out.push_back(r);
        else
            std::fprintf(diag, "%s:%ld: not a record (h k l I sigI g), skipped\n", name.c_str(),
                         number);
    }
    return std::ferror(file) == 0;
}

bool read_reflections(const std::string& path, std::FILE* diag, std::vector<Reflection>& out) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const bool read = read_reflection_records(file, path, diag, out);
    const int reason = errno;
    std::fclose(file);
    errno = reason;
    return read;
}

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

const IndexedReflections* PreparedFiles::get(const std::string& path) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        Entry entry{false, 0, {}};
        entry.readable = read_reflections(path, diag_, entry.data.records);
        entry.error = entry.readable ? 0 : errno;
        entry.data.build_index();
        found = files_.emplace(path, std::move(entry)).first;
    }
    errno = found->second.error;
    return found->second.readable ? &found->second.data : nullptr;
}

}  // namespace ped
