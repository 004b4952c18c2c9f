#include "prepared_file.hpp"

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <tuple>

#include "text.hpp"

namespace ped {

bool parse_reflection(const std::string& line, Reflection& r) {
    const std::vector<std::string> words = split_ws(line);
    if (words.size() < 6) return false;
    Reflection x;
    if (!parse_int(words[0], x.h) || !parse_int(words[1], x.k) || !parse_int(words[2], x.l) ||
        !parse_double(words[3], x.i) || !parse_double(words[4], x.sig) ||
        !parse_double(words[5], x.g))
        return false;
    r = x;
    return true;
}

bool read_reflections(const std::string& path, std::FILE* diag, std::vector<Reflection>& out) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::string line;
    long number = 0;
    Reflection r;
    while (read_line(file, line)) {
        ++number;
        if (is_blank(line)) continue;
        if (parse_reflection(line, r))
            out.push_back(r);
        else
            std::fprintf(diag, "%s:%ld: not a record (h k l I sigI g), skipped\n", path.c_str(),
                         number);
    }
    std::fclose(file);
    return true;
}

namespace {

std::tuple<int, int, int> triple(const Reflection& r) {
    return {r.h, r.k, r.l};
}

}  // namespace

std::pair<const unsigned*, const unsigned*> IndexedReflections::find(int h, int k, int l) const {
    using Key = std::tuple<int, int, int>;
    const Key key{h, k, l};
    const unsigned* begin = by_index.data();
    const unsigned* end = begin + by_index.size();
    const unsigned* low = std::lower_bound(
        begin, end, key, [this](unsigned a, const Key& x) { return triple(records[a]) < x; });
    const unsigned* high = std::upper_bound(
        low, end, key, [this](const Key& x, unsigned a) { return x < triple(records[a]); });
    return {low, high};
}

const IndexedReflections* PreparedFiles::get(const std::string& path) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        Entry entry{false, 0, {}};
        entry.readable = read_reflections(path, diag_, entry.data.records);
        entry.error = entry.readable ? 0 : errno;
        std::vector<unsigned>& order = entry.data.by_index;
        const std::vector<Reflection>& rs = entry.data.records;
        order.resize(rs.size());
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(),
                         [&](unsigned a, unsigned b) { return triple(rs[a]) < triple(rs[b]); });
        found = files_.emplace(path, std::move(entry)).first;
    }
    errno = found->second.error;
    return found->second.readable ? &found->second.data : nullptr;
}

}  // namespace ped
