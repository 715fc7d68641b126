#pragma once

#include <QtGlobal>

#include <vector>

// A maximum flow through a small network (Dinic's method): whole capacities, nodes numbered
// from 0.
namespace kv {

class TMaxFlow {
public:
    explicit TMaxFlow(int nodes);

    // An edge and its residual twin; returns the edge's index for Flow().
    int AddEdge(int from, int to, qint64 capacity);
    qint64 Run(int source, int sink);
    // What runs through an edge after Run().
    qint64 Flow(int edge) const;

private:
    struct TEdge {
        int To;
        qint64 Capacity;
        qint64 Original;
    };
    bool Levels(int source, int sink);
    qint64 Push(int node, int sink, qint64 limit);

    std::vector<TEdge> edges_;
    std::vector<std::vector<int>> out_;
    std::vector<int> level_;
    std::vector<size_t> next_;
};

} // namespace kv
