#include "standings/max_flow.h"

#include <algorithm>
#include <limits>
#include <queue>

namespace kv {

TMaxFlow::TMaxFlow(int nodes) : out_(static_cast<size_t>(nodes)) {}

int TMaxFlow::AddEdge(int from, int to, qint64 capacity) {
    const int index = static_cast<int>(edges_.size());
    edges_.push_back({to, capacity, capacity});
    out_[static_cast<size_t>(from)].push_back(index);
    edges_.push_back({from, 0, 0});
    out_[static_cast<size_t>(to)].push_back(index + 1);
    return index;
}

qint64 TMaxFlow::Flow(int edge) const {
    const TEdge& e = edges_[static_cast<size_t>(edge)];
    return e.Original - e.Capacity;
}

bool TMaxFlow::Levels(int source, int sink) {
    level_.assign(out_.size(), -1);
    std::queue<int> queue;
    level_[static_cast<size_t>(source)] = 0;
    queue.push(source);
    while (!queue.empty()) {
        const int node = queue.front();
        queue.pop();
        for (const int e : out_[static_cast<size_t>(node)]) {
            const TEdge& edge = edges_[static_cast<size_t>(e)];
            if (edge.Capacity > 0 && level_[static_cast<size_t>(edge.To)] < 0) {
                level_[static_cast<size_t>(edge.To)] = level_[static_cast<size_t>(node)] + 1;
                queue.push(edge.To);
            }
        }
    }
    return level_[static_cast<size_t>(sink)] >= 0;
}

qint64 TMaxFlow::Push(int node, int sink, qint64 limit) {
    if (node == sink) return limit;
    const auto n = static_cast<size_t>(node);
    for (; next_[n] < out_[n].size(); ++next_[n]) {
        const int e = out_[n][next_[n]];
        TEdge& edge = edges_[static_cast<size_t>(e)];
        if (edge.Capacity <= 0 || level_[static_cast<size_t>(edge.To)] != level_[n] + 1) continue;
        const qint64 pushed = Push(edge.To, sink, std::min(limit, edge.Capacity));
        if (pushed > 0) {
            edge.Capacity -= pushed;
            edges_[static_cast<size_t>(e ^ 1)].Capacity += pushed;
            return pushed;
        }
    }
    return 0;
}

qint64 TMaxFlow::Run(int source, int sink) {
    qint64 total = 0;
    while (Levels(source, sink)) {
        next_.assign(out_.size(), 0);
        while (const qint64 pushed = Push(source, sink, std::numeric_limits<qint64>::max()))
            total += pushed;
    }
    return total;
}

} // namespace kv
