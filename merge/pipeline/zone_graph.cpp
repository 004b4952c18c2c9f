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

std::vector<int> ZoneGraph::neighbours(int zone) const {
    std::vector<int> out;
    for (int at = first_[zone]; at < first_[zone + 1]; ++at) out.push_back(edges_[out_[at]].to);
    return out;
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
    int flow = 0;
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
