// The maximum flow over lists of pairs against the plain augmenting-path search over the whole
// table of pairs that the ties were first counted with, on random graphs of zones: dense,
// sparse, with zones cut off, with chains.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "merge/pipeline/zone_graph.hpp"

namespace ped::merge {
namespace {

int table_flow(Counts capacity, int source, int sink) {
    const size_t n = capacity.size();
    int flow = 0;
    for (;;) {
        std::vector<int> parent(n, -1);
        parent[source] = source;
        std::vector<int> queue{source};
        for (size_t q = 0; q < queue.size() && parent[sink] < 0; ++q)
            for (size_t j = 0; j < n; ++j)
                if (parent[j] < 0 && capacity[queue[q]][j] > 0) {
                    parent[j] = queue[q];
                    queue.push_back(static_cast<int>(j));
                }
        if (parent[sink] < 0) return flow;
        int push = capacity[parent[sink]][sink];
        for (int j = sink; j != source; j = parent[j])
            push = std::min(push, capacity[parent[j]][j]);
        for (int j = sink; j != source; j = parent[j]) {
            capacity[parent[j]][j] -= push;
            capacity[j][parent[j]] += push;
        }
        flow += push;
    }
}

TEST(ZoneGraph, MaximumFlowIsThatOfTheWholeTable) {
    std::mt19937 rng(5);
    for (int density : {2, 10, 50, 100})
        for (int n : {2, 3, 7, 20, 40})
            for (int trial = 0; trial < 5; ++trial) {
                Counts count(n, std::vector<int>(n, 0));
                for (int a = 0; a < n; ++a)
                    for (int b = a + 1; b < n; ++b)
                        if (static_cast<int>(rng() % 100) < density || (density == 2 && b == a + 1))
                            count[a][b] = count[b][a] = 1 + static_cast<int>(rng() % 9);
                const ZoneGraph graph(count);
                const std::vector<int> reaching = graph.neighbours_reaching(0);
                for (int z = 1; z < n; ++z) {
                    ASSERT_EQ(graph.max_flow(z, 0), table_flow(count, z, 0))
                        << "density " << density << " n " << n << " zone " << z;
                    Counts cut = count;  // without z: a neighbour reaches 0 when a flow does
                    for (int k = 0; k < n; ++k) cut[z][k] = cut[k][z] = 0;
                    int expected = 0;
                    for (int j = 0; j < n; ++j)
                        expected += count[z][j] > 0 && (j == 0 || table_flow(cut, j, 0) > 0);
                    ASSERT_EQ(reaching[z], table_flow(count, z, 0) > 0 ? expected : 0) << z;
                }
            }
}

}  // namespace
}  // namespace ped::merge
