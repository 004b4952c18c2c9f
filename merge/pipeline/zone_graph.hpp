// The zones as a graph whose edges are the compared pairs, each carrying its number of retained
// reflections: which zones reach which, and how many reflections tie one zone to another (a
// maximum flow). Held as lists of edges, so that a walk costs the pairs that exist.
#pragma once

#include <vector>

namespace ped::merge {

// Retained reflections by pair of zones, count[a][b] == count[b][a]; 0 for no edge.
using Counts = std::vector<std::vector<int>>;

class ZoneGraph {
  public:
    explicit ZoneGraph(const Counts& count);
    // Zones reached from `from` through edges, not passing through `barred` (-1 for none).
    std::vector<bool> reached(int from, int barred) const;
    // The maximum flow from `source` to `sink`, each edge carrying its count either way.
    int max_flow(int source, int sink) const;
    // For each zone other than `root`, the zones sharing an edge with it that reach `root`
    // without passing through it; 0 for the zones `root` does not reach.
    std::vector<int> neighbours_reaching(int root) const;

  private:
    struct Edge {
        int to, capacity;  // edges 2e and 2e + 1 are the two ways of one pair
    };
    using Levels = std::vector<int>;
    std::vector<bool> cut_zones(int root, std::vector<bool>& seen) const;
    int short_paths(int source, int sink, std::vector<int>& capacity) const;
    bool level_graph(int source, int sink, const std::vector<int>& capacity, Levels& level) const;
    int augment(int v, int sink, int limit, std::vector<int>& capacity, const Levels& level,
                std::vector<int>& next) const;

    std::vector<int> first_;  // the edges leaving zone v: out_[first_[v] .. first_[v + 1])
    std::vector<int> out_;
    std::vector<Edge> edges_;
};

}  // namespace ped::merge
