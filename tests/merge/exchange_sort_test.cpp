// The order of equal keys left by the exchange sort, computed fast, against the sort itself.
#include <gtest/gtest.h>

#include <random>

#include "merge/exchange_sort.hpp"

namespace ped::merge {
namespace {

TEST(ExchangeSort, SameOrderAsTheExchangeSort) {
    // A, B, C with keys 2, 2, 1 come out C, B, A.
    EXPECT_EQ(exchange_sort_order({2, 2, 1}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(exchange_sort_order_plain({2, 2, 1}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(exchange_sort_order({1, 1, 0, 1, 0}), (std::vector<size_t>{2, 4, 0, 3, 1}));
    // Empty, single, sorted, reversed, constant and paired inputs, and -0 equal to 0.
    std::vector<std::vector<double>> inputs = {{}, {5}, {0.0, -0.0, -1, 0.0}};
    for (int n : {2, 50, 1000}) {
        std::vector<double> up, down, flat, pairs;
        for (int i = 0; i < n; ++i) {
            up.push_back(i);
            down.push_back(n - i);
            flat.push_back(3);
            pairs.push_back((n - i) / 2);
        }
        inputs.insert(inputs.end(), {up, down, flat, pairs});
    }
    // Random inputs full of ties.
    std::mt19937 rng(12345);
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = std::uniform_int_distribution<int>(0, trial < 2500 ? 40 : 700)(rng);
        const int values = std::uniform_int_distribution<int>(1, trial % 3 == 0 ? 3 : 60)(rng);
        std::vector<double> keys;
        for (int i = 0; i < n; ++i)
            keys.push_back(0.25 * std::uniform_int_distribution<int>(0, values)(rng));
        inputs.push_back(keys);
    }
    for (size_t i = 0; i < inputs.size(); ++i)
        ASSERT_EQ(exchange_sort_order(inputs[i]), exchange_sort_order_plain(inputs[i])) << i;
}

}  // namespace
}  // namespace ped::merge
