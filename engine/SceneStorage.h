#pragma once

#include <array>
#include <cstdint>

namespace kiv {

inline constexpr std::int32_t kPointCapacity = 101;
inline constexpr std::int32_t kEdgeCapacity = 2001;  // also the cut point and candidate capacity

// The engine's working storage: allocated once per saver run and reused by every scene, so no
// stage allocates.
struct SceneStorage {
    // Point field, written by the scene start.
    std::int32_t PointCount = 0;
    std::array<double, kPointCapacity> PointX{};
    std::array<double, kPointCapacity> PointY{};

    // Edge list, rebuilt by the Voronoi stage and reordered by the tree stage.
    std::int32_t EdgeCount = 0;
    std::array<std::int32_t, kEdgeCapacity> EdgeFrom{};
    std::array<std::int32_t, kEdgeCapacity> EdgeTo{};
    std::array<double, kEdgeCapacity> EdgeLength{};

    // Voronoi stage: the cuts along one pair's bisector, and the sort's unused companions.
    std::int32_t CutCount = 0;
    std::array<double, kEdgeCapacity> CutX{};
    std::array<double, kEdgeCapacity> CutScratch1{};
    std::array<double, kEdgeCapacity> CutScratch2{};

    // Tree stage.
    std::array<double, kEdgeCapacity> SortFrom{};
    std::array<double, kEdgeCapacity> SortTo{};
    std::array<std::int32_t, kEdgeCapacity> EdgeUsed{};
    std::array<std::int32_t, kEdgeCapacity> Reached{};
    std::int32_t CandCount = 0;
    std::array<double, kEdgeCapacity> CandCost{};
    std::array<std::int32_t, kEdgeCapacity> CandEdge{};
};

}  // namespace kiv
