#include "merge/pipeline/zone_graph.hpp"

#include <algorithm>

namespace ped::merge {

ZoneGraph::ZoneGraph(const Counts& count) : first_(count.size() + 1, 0) {
    const int n = static_cast<int>(count.size());
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            if (count[a][b] > 0) {
                edges_.push_back({b, count[a][b]});
                edges_.push_back({a, count[a][b]});
                ++first_[a + 1];
                ++first_[b + 1];
            }
    for (int v = 0; v < n; ++v) first_[v + 1] += first_[v];
    out_.resize(edges_.size());
    std::vector<int> fill(first_.begin(), first_.end() - 1);
    for (int e = 0; e < static_cast<int>(edges_.size()); ++e)
        out_[fill[edges_[e ^ 1].to]++] = e;  // edge e leaves the zone its twin goes to
}

std::vector<bool> ZoneGraph::reached(int from, int barred) const {
    std::vector<bool> seen(first_.size() - 1, false);
    std::vector<int> todo{from};
    seen[from] = true;
    while (!todo.empty()) {
        const int v = todo.back();
        todo.pop_back();
        for (int at = first_[v]; at < first_[v + 1]; ++at) {
            const int to = edges_[out_[at]].to;
            if (!seen[to] && to != barred) {
                seen[to] = true;
                todo.push_back(to);
            }
        }
    }
    return seen;
}

// The zones whose removal would cut some zone from `root` (by the depth-first order and the
// lowest order each subtree reaches), and in `seen` the zones `root` reaches. The depth of the
// search is at most the number of zones.
std::vector<bool> ZoneGraph::cut_zones(int root, std::vector<bool>& seen) const {
    const size_t n = first_.size() - 1;
    std::vector<int> order(n, -1), low(n, 0);
    std::vector<bool> cut(n, false);
    int counter = 0;
    const auto visit = [&](const auto& self, int v, int parent) -> void {
        order[v] = low[v] = counter++;
        for (int at = first_[v]; at < first_[v + 1]; ++at) {
            const int to = edges_[out_[at]].to;
            if (order[to] < 0) {
                self(self, to, v);
                low[v] = std::min(low[v], low[to]);
                if (parent >= 0 && low[to] >= order[v]) cut[v] = true;
            } else if (to != parent) {
                low[v] = std::min(low[v], order[to]);
            }
        }
    };
    visit(visit, root, -1);
    for (size_t v = 0; v < n; ++v) seen[v] = order[v] >= 0;
    return cut;
}

std::vector<int> ZoneGraph::neighbours_reaching(int root) const {
    const int n = static_cast<int>(first_.size()) - 1;
    std::vector<bool> seen(static_cast<size_t>(n));
    const std::vector<bool> cut = cut_zones(root, seen);
    std::vector<int> count(static_cast<size_t>(n), 0);
    for (int v = 0; v < n; ++v) {
        if (!seen[v] || v == root) continue;
        // Without a zone that cuts nothing, every neighbour still reaches the root.
        const std::vector<bool> without = cut[v] ? reached(root, v) : seen;
        for (int at = first_[v]; at < first_[v + 1]; ++at)
            if (without[edges_[out_[at]].to]) ++count[v];
    }
    return count;
}

// Paths of one edge and of two edges first, each taking what it can: over many pairs they
// carry most of the flow without a search.
int ZoneGraph::short_paths(int source, int sink, std::vector<int>& capacity) const {
    std::vector<int> to_sink(first_.size() - 1, -1);  // the edge from each zone to the sink
    for (int at = first_[sink]; at < first_[sink + 1]; ++at)
        to_sink[edges_[out_[at]].to] = out_[at] ^ 1;
    int flow = 0;
    for (int at = first_[source]; at < first_[source + 1]; ++at) {
        const int e = out_[at], j = edges_[e].to, last = j == sink ? -1 : to_sink[j];
        if (j != sink && last < 0) continue;
        const int push = last < 0 ? capacity[e] : std::min(capacity[e], capacity[last]);
        for (int edge : {e, last})
            if (edge >= 0) {
                capacity[edge] -= push;
                capacity[edge ^ 1] += push;
            }
        flow += push;
    }
    return flow;
}

// Levels by breadth from the source over edges with capacity left; false when the sink is
// out of reach.
bool ZoneGraph::level_graph(int source, int sink, const std::vector<int>& capacity,
                            Levels& level) const {
    std::fill(level.begin(), level.end(), -1);
    level[source] = 0;
    std::vector<int> queue{source};
    for (size_t q = 0; q < queue.size(); ++q) {
        const int v = queue[q];
        if (level[sink] >= 0 && level[v] >= level[sink]) break;  // no shorter path is left
        for (int at = first_[v]; at < first_[v + 1]; ++at) {
            const int e = out_[at], to = edges_[e].to;
            if (capacity[e] > 0 && level[to] < 0) {
                level[to] = level[v] + 1;
                queue.push_back(to);
            }
        }
    }
    return level[sink] >= 0;
}

// One path of the level graph from v to the sink, its flow pushed; 0 when there is none.
int ZoneGraph::augment(int v, int sink, int limit, std::vector<int>& capacity, const Levels& level,
                       std::vector<int>& next) const {
    if (v == sink) return limit;
    for (; next[v] < first_[v + 1]; ++next[v]) {
        const int e = out_[next[v]], to = edges_[e].to;
        if (capacity[e] <= 0 || level[to] != level[v] + 1) continue;
        const int pushed = augment(to, sink, std::min(limit, capacity[e]), capacity, level, next);
        if (pushed > 0) {
            capacity[e] -= pushed;
            capacity[e ^ 1] += pushed;
            return pushed;
        }
    }
    return 0;
}

int ZoneGraph::max_flow(int source, int sink) const {
    std::vector<int> capacity(edges_.size());
    for (size_t e = 0; e < edges_.size(); ++e) capacity[e] = edges_[e].capacity;
    Levels level(first_.size() - 1);
    std::vector<int> next(first_.size() - 1);
    // No flow exceeds what leaves the source or enters the sink: reaching it ends the search.
    const auto around = [this](int v) {
        int total = 0;
        for (int at = first_[v]; at < first_[v + 1]; ++at) total += edges_[out_[at]].capacity;
        return total;
    };
    const int bound = std::min(around(source), around(sink));
    int flow = short_paths(source, sink, capacity);
    while (flow < bound && level_graph(source, sink, capacity, level)) {
        std::copy(first_.begin(), first_.end() - 1, next.begin());
        int pushed = 0;
        while (flow < bound &&
               (pushed = augment(source, sink, bound - flow, capacity, level, next)))
            flow += pushed;
    }
    return flow;
}

}  // namespace ped::merge
