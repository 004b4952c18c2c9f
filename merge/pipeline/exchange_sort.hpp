// The exchange sort that orders reflections by g: for each position q, every later position p
// in turn, exchange the two records when key[q] > key[p]. Equal keys are never exchanged with
// each other directly, yet their final order depends on the whole input; that order is part
// of every file the tool writes, so it is reproduced exactly.
#pragma once

#include <cstddef>
#include <vector>

namespace ped::merge {

// The order the exchange sort leaves: element i of the result is the original index of the
// key that ends at position i. O(n log n) plus the square of the largest group of equal keys.
std::vector<size_t> exchange_sort_order(const std::vector<double>& keys);

// The same order computed by the exchange sort itself, O(n^2).
std::vector<size_t> exchange_sort_order_plain(const std::vector<double>& keys);

// Reorders `items` by `order` (as returned above).
template <class T>
void apply_order(std::vector<T>& items, const std::vector<size_t>& order) {
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (size_t i : order) sorted.push_back(items[i]);
    items.swap(sorted);
}

}  // namespace ped::merge
