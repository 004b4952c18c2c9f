// How equal keys end up. Pass q takes the record at q and walks the later records: each time a
// strictly smaller key comes, the two are exchanged, so the records met on that walk (the
// successive new minima) each move on to the place of the next one, and the leftmost smallest
// key lands at q. Look at one value v, its records E, and the records with smaller keys L:
// - while records of L remain, every pass puts one of them at q; the first record of E or L
//   met on the walk is a new minimum, so when the first E lies before the first remaining L,
//   that E moves into the place of that L; no other E moves;
// - the places held by L only shrink: pass j removes the j-th smallest original place of L;
// - once L is exhausted, the records of E come out in the order of their places.
// Larger keys never matter. So the order of E follows from the original places alone: at
// step j, if the E in the lowest place lies before s_j (the j-th place of L), it moves to s_j.
// Once one E has moved every later step moves one, the moved ones forming a queue whose front
// sits at s_(j - len); the simulation below jumps over runs of steps that only rotate it.
#include "merge/pipeline/exchange_sort.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ped::merge {

namespace {

// Original places of the records with smaller keys: count below a place, and the j-th place.
class Places {
  public:
    explicit Places(size_t n) : tree_(n + 1, 0), size_(n) {
        while (top_ * 2 <= n) top_ *= 2;
    }
    void insert(size_t place) {
        for (size_t i = place + 1; i <= size_; i += i & (~i + 1)) ++tree_[i];
        ++count_;
    }
    size_t count() const { return count_; }
    size_t count_below(size_t place) const {
        size_t sum = 0;
        for (size_t i = place; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }
    // The place of rank j (0-based) among the inserted places.
    size_t nth(size_t j) const {
        size_t pos = 0, rest = j + 1;
        for (size_t step = top_; step > 0; step /= 2)
            if (pos + step <= size_ && tree_[pos + step] < rest) {
                pos += step;
                rest -= tree_[pos];
            }
        return pos;  // tree index pos + 1 holds the place pos
    }

  private:
    std::vector<size_t> tree_;
    size_t size_;
    size_t count_ = 0;
    size_t top_ = 1;
};

// Final order of one group of equal keys, given by their original places (ascending).
std::vector<size_t> order_of_equals(const std::vector<size_t>& group, const Places& smaller) {
    const size_t r = group.size(), m = smaller.count();
    size_t j = smaller.count_below(group[0]);
    if (r == 1 || j >= m) return group;

    // Circular queue of the moved records: logical i is queue[(head + i) % size].
    std::vector<size_t> queue{group[0]};
    size_t head = 0, next = 1;
    ++j;
    auto rotate = [&](size_t steps) { head = (head + steps % queue.size()) % queue.size(); };
    while (j < m) {
        const size_t len = queue.size();
        if (next == r) {
            rotate(m - j);
            j = m;
            break;
        }
        const size_t absorb_at = std::max(j, smaller.count_below(group[next]) + len);
        const size_t until = std::min(absorb_at, m);
        rotate(until - j);
        j = until;
        if (j < m) {
            queue.insert(queue.begin() + static_cast<std::ptrdiff_t>(head), group[next]);
            ++head;
            ++next;
            ++j;
        }
    }

    const size_t len = queue.size();
    std::vector<std::pair<size_t, size_t>> by_place;  // (place at the end, original place)
    for (size_t i = 0; i < len; ++i)
        by_place.emplace_back(smaller.nth(m - len + i), queue[(head + i) % len]);
    for (size_t i = next; i < r; ++i) by_place.emplace_back(group[i], group[i]);
    std::sort(by_place.begin(), by_place.end());
    std::vector<size_t> order;
    for (const auto& p : by_place) order.push_back(p.second);
    return order;
}

}  // namespace

std::vector<size_t> exchange_sort_order_plain(const std::vector<double>& keys) {
    std::vector<double> key = keys;
    std::vector<size_t> index(keys.size());
    std::iota(index.begin(), index.end(), size_t{0});
    for (size_t q = 0; q < key.size(); ++q)
        for (size_t p = q + 1; p < key.size(); ++p)
            if (key[q] > key[p]) {
                std::swap(key[q], key[p]);
                std::swap(index[q], index[p]);
            }
    return index;
}

std::vector<size_t> exchange_sort_order(const std::vector<double>& keys) {
    const size_t n = keys.size();
    for (double k : keys)
        if (std::isnan(k)) return exchange_sort_order_plain(keys);

    std::vector<size_t> by_key(n);
    std::iota(by_key.begin(), by_key.end(), size_t{0});
    std::stable_sort(by_key.begin(), by_key.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });

    Places smaller(n);
    std::vector<size_t> order;
    order.reserve(n);
    for (size_t i = 0; i < n;) {
        size_t end = i + 1;
        while (end < n && !(keys[by_key[i]] < keys[by_key[end]])) ++end;
        const std::vector<size_t> group(by_key.begin() + static_cast<std::ptrdiff_t>(i),
                                        by_key.begin() + static_cast<std::ptrdiff_t>(end));
        for (size_t place : order_of_equals(group, smaller)) order.push_back(place);
        for (size_t place : group) smaller.insert(place);
        i = end;
    }
    return order;
}

}  // namespace ped::merge
