#include "engine/TreeStage.h"

#include <cmath>

#include "engine/HeapSort.h"

namespace kiv {
namespace {

constexpr std::int32_t kWhite = RGB(255, 255, 255);
constexpr double kNoCost = 99999.9;
constexpr std::int32_t kNoCandidate = 9999;

void SortEdgesByLength(SceneStorage& st) {
    for (std::int32_t k = 0; k < st.EdgeCount; ++k) {
        st.SortFrom[k] = st.EdgeFrom[k];
        st.SortTo[k] = st.EdgeTo[k];
    }
    hSort(st.EdgeCount, st.EdgeLength, st.SortFrom, st.SortTo);
    for (std::int32_t k = 0; k < st.EdgeCount; ++k) {
        st.EdgeFrom[k] = static_cast<std::int32_t>(std::lround(st.SortFrom[k]));
        st.EdgeTo[k] = static_cast<std::int32_t>(std::lround(st.SortTo[k]));
    }
}

void MarkStartPoint(SceneContext& context) {
    const SceneStorage& st = context.storage;
    const std::int32_t start = st.PointCount - 1;
    context.surface.circle(static_cast<float>(st.PointX[start]),
                           static_cast<float>(st.PointY[start]), 6.0f, kWhite);
}

void ResetTree(SceneStorage& st) {
    for (std::int32_t k = 0; k < st.EdgeCount; ++k) st.EdgeUsed[k] = 0;
    for (std::int32_t p = 0; p <= st.PointCount - 2; ++p) st.Reached[p] = 0;
    st.Reached[st.PointCount - 1] = 1;
    st.CandCount = 0;
}

// Exactly one endpoint in the tree.
bool CrossesTreeBoundary(const SceneStorage& st, std::int32_t edge) {
    return st.Reached[st.EdgeFrom[edge]] + st.Reached[st.EdgeTo[edge]] == 1;
}

// Appends, in edge-list order, every edge not yet used that leaves the tree, priced at
// `pathLength` plus its own length. Yields once per edge.
StageEnd ScanEdges(SceneContext& context, double pathLength) {
    SceneStorage& st = context.storage;
    for (std::int32_t k = 0; k < st.EdgeCount; ++k) {
        if (context.yieldAndTestQuit()) return StageEnd::Quit;
        if (st.EdgeUsed[k] == 0 && CrossesTreeBoundary(st, k)) {
            st.CandCost[st.CandCount] = pathLength + st.EdgeLength[k];
            st.CandEdge[st.CandCount] = k;
            ++st.CandCount;
            st.EdgeUsed[k] = 1;
        }
    }
    return StageEnd::Done;
}

struct Selection {
    double MinCost = kNoCost;
    std::int32_t MinIndex = kNoCandidate;
};

// The cheapest live candidate; the earliest appended wins ties.
Selection SelectCandidate(const SceneStorage& st) {
    Selection best;
    for (std::int32_t j = 0; j < st.CandCount; ++j) {
        if (CrossesTreeBoundary(st, st.CandEdge[j]) && st.CandCost[j] < best.MinCost) {
            best.MinCost = st.CandCost[j];
            best.MinIndex = j;
        }
    }
    return best;
}

// Always from the edge's EdgeFrom point to its EdgeTo point, over the red segment.
void DrawTreeEdge(SceneContext& context, std::int32_t edge) {
    const SceneStorage& st = context.storage;
    const std::int32_t from = st.EdgeFrom[edge];
    const std::int32_t to = st.EdgeTo[edge];
    context.surface.line(static_cast<float>(st.PointX[from]), static_cast<float>(st.PointY[from]),
                         static_cast<float>(st.PointX[to]), static_cast<float>(st.PointY[to]));
}

void RemoveCandidate(SceneStorage& st, std::int32_t index) {
    for (std::int32_t j = index; j <= st.CandCount - 2; ++j) {
        st.CandCost[j] = st.CandCost[j + 1];
        st.CandEdge[j] = st.CandEdge[j + 1];
    }
    --st.CandCount;
}

}  // namespace

StageEnd RunTreeStage(SceneContext& context) {
    SceneStorage& st = context.storage;
    SortEdgesByLength(st);
    MarkStartPoint(context);
    ResetTree(st);
    if (ScanEdges(context, 0.0) == StageEnd::Quit) return StageEnd::Quit;

    for (std::int32_t step = 0; step <= st.PointCount - 2; ++step) {
        if (context.yieldAndTestQuit()) return StageEnd::Quit;
        const Selection chosen = SelectCandidate(st);
        // Only an edge list that misses some point leaves nothing to choose: the tree is as
        // complete as it can get.
        if (chosen.MinIndex == kNoCandidate) return StageEnd::Done;
        const std::int32_t edge = st.CandEdge[chosen.MinIndex];
        DrawTreeEdge(context, edge);
        st.Reached[st.EdgeTo[edge]] = 1;
        st.Reached[st.EdgeFrom[edge]] = 1;
        RemoveCandidate(st, chosen.MinIndex);
        if (ScanEdges(context, chosen.MinCost) == StageEnd::Quit) return StageEnd::Quit;
    }
    return StageEnd::Done;
}

}  // namespace kiv
