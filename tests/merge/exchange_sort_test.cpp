// The order of equal keys left by the exchange sort, computed fast, against the sort itself.
#include <gtest/gtest.h>

#include <random>

#include "merge/exchange_sort.hpp"

namespace ped::merge {
namespace {

TEST(ExchangeSort, EqualKeysFollowTheExchanges) {
    // A, B, C with keys 2, 2, 1 come out C, B, A.
    EXPECT_EQ(exchange_sort_order({2, 2, 1}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(exchange_sort_order_plain({2, 2, 1}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(exchange_sort_order({1, 1, 0, 1, 0}), (std::vector<size_t>{2, 4, 0, 3, 1}));
    EXPECT_EQ(exchange_sort_order({}), std::vector<size_t>{});
    EXPECT_EQ(exchange_sort_order({5}), std::vector<size_t>{0});
}

TEST(ExchangeSort, SameOrderAsTheExchangeSortOnInputsFullOfTies) {
    std::mt19937 rng(12345);
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = std::uniform_int_distribution<int>(0, trial < 2500 ? 40 : 700)(rng);
        const int values = std::uniform_int_distribution<int>(1, trial % 3 == 0 ? 3 : 60)(rng);
        std::vector<double> keys;
        for (int i = 0; i < n; ++i)
            keys.push_back(0.25 * std::uniform_int_distribution<int>(0, values)(rng));
        ASSERT_EQ(exchange_sort_order(keys), exchange_sort_order_plain(keys)) << "trial " << trial;
    }
}

TEST(ExchangeSort, SameOrderOnSortedReversedAndConstantInputs) {
    for (int n : {1, 2, 50, 1000}) {
        std::vector<double> up, down, flat, pairs;
        for (int i = 0; i < n; ++i) {
            up.push_back(i);
            down.push_back(n - i);
            flat.push_back(3);
            pairs.push_back((n - i) / 2);
        }
        for (const auto& keys : {up, down, flat, pairs})
            EXPECT_EQ(exchange_sort_order(keys), exchange_sort_order_plain(keys)) << n;
    }
}

TEST(ExchangeSort, MinusZeroEqualsZero) {
    const std::vector<double> keys{0.0, -0.0, -1, 0.0};
    EXPECT_EQ(exchange_sort_order(keys), exchange_sort_order_plain(keys));
}

}  // namespace
}  // namespace ped::merge
