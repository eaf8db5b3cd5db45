// The Voronoi stage: neighbour pairs, their order and multiplicity, the red segments, the
// yields, and what happens with points the bisector walk cannot handle.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/VoronoiStage.h"
#include "tests/StageFixture.h"

namespace kiv::testing {
namespace {

using ::testing::ElementsAre;

struct Entry {
    std::int32_t from, to;
    double length;  // to 3 decimals
};

struct NeighbourCase {
    const char* name;
    std::vector<std::pair<double, double>> points;
    std::vector<Entry> entries;
    friend void PrintTo(const NeighbourCase& c, std::ostream* os) { *os << c.name; }
};

class NeighbourGraph : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(NeighbourGraph, ListsEveryPairOncePerPassingStretch) {
    const NeighbourCase& c = GetParam();
    StageFixture stage;
    stage.setPoints(c.points);

    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);

    const SceneStorage& st = stage.storage;
    ASSERT_EQ(st.EdgeCount, std::ssize(c.entries));
    std::vector<std::string> expectedOps;
    for (std::size_t k = 0; k < c.entries.size(); ++k) {
        EXPECT_EQ(st.EdgeFrom[k], c.entries[k].from) << "entry " << k;
        EXPECT_EQ(st.EdgeTo[k], c.entries[k].to) << "entry " << k;
        EXPECT_NEAR(st.EdgeLength[k], c.entries[k].length, 0.0005) << "entry " << k;
    }
    const auto red = std::count_if(
        stage.surface.ops().begin(), stage.surface.ops().end(),
        [](const RecordedOp& op) { return op.kind == RecordedOp::Kind::LineC && op.value == 255; });
    EXPECT_EQ(red, std::ssize(c.entries));
    EXPECT_EQ(stage.surface.yieldCount(), 6);
}

INSTANTIATE_TEST_SUITE_P(
    FourPoints, NeighbourGraph,
    ::testing::Values(NeighbourCase{"InsideTriangle",
                                    {{100, 100}, {400, 130}, {250, 400}, {260, 210}},
                                    {{0, 1, 301.496},
                                     {0, 2, 335.410},
                                     {0, 3, 194.165},
                                     {1, 2, 308.869},
                                     {1, 3, 161.245},
                                     {2, 3, 190.263}}},
                      // Two boundaries contain the range end at 11 screen widths and are listed
                      // twice; the one of points 0 and 3 starts beyond it and is not listed at all.
                      NeighbourCase{"BoundariesPastTheRangeEnd",
                                    {{937, 302}, {567, 12}, {220, 628}, {93, 686}},
                                    {{0, 1, 470.106},
                                     {0, 2, 787.633},
                                     {0, 2, 787.633},
                                     {1, 2, 707.011},
                                     {1, 3, 823.985},
                                     {2, 3, 139.617},
                                     {2, 3, 139.617}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VoronoiStage, DrawsEachSegmentFromTheLowerPointBeforeTheNextPair) {
    StageFixture stage;
    stage.setPoints({{100, 100}, {400, 130}, {250, 400}, {260, 210}});
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    EXPECT_THAT(stage.lines(),
                ElementsAre("yield 1", "linec 100 100 400 130 255", "yield 1",
                            "linec 100 100 250 400 255", "yield 1", "linec 100 100 260 210 255",
                            "yield 1", "linec 400 130 250 400 255", "yield 1",
                            "linec 400 130 260 210 255", "yield 1", "linec 250 400 260 210 255"));
}

TEST(VoronoiStage, YieldsOncePerPair) {
    StageFixture stage;
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k < 49; ++k) points.emplace_back(k * 20.0 + 1, (k * 37) % 49 * 15.0 + 2);
    stage.setPoints(points);
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    EXPECT_EQ(stage.surface.yieldCount(), 1176);
}

TEST(VoronoiStage, QuitAtAPairsYieldDoesNoWorkOnThatPair) {
    for (std::int64_t quitAt : {1, 4, 6}) {
        StageFixture stage;
        stage.setPoints({{100, 100}, {400, 130}, {250, 400}, {260, 210}});
        stage.quitAtYield(quitAt);
        ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Quit);
        EXPECT_EQ(stage.storage.EdgeCount, quitAt - 1);
        EXPECT_EQ(stage.lines().back(), "yield 1");
        EXPECT_EQ(stage.surface.yieldCount(), quitAt);
    }
}

TEST(VoronoiStage, NearSquareListsItsFourSides) {
    // Nearly a square: all four sides are neighbours, whichever diagonal the skew adds.
    StageFixture stage;
    stage.setPoints({{100, 100}, {300, 101}, {299, 301}, {99, 300}});
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    std::vector<std::pair<int, int>> pairs;
    for (int k = 0; k < stage.storage.EdgeCount; ++k)
        pairs.emplace_back(stage.storage.EdgeFrom[k], stage.storage.EdgeTo[k]);
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    EXPECT_THAT(pairs, ::testing::IsSupersetOf(
                           {std::pair{0, 1}, std::pair{0, 3}, std::pair{1, 2}, std::pair{2, 3}}));
}

// Points the bisector walk divides by zero on: none may crash, hang, list a non-finite
// length or overrun an array, and the stage must finish.
struct DegenerateCase {
    const char* name;
    std::vector<std::pair<double, double>> points;
    friend void PrintTo(const DegenerateCase& c, std::ostream* os) { *os << c.name; }
};

class DegeneratePoints : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(DegeneratePoints, FinishWithFiniteEdgesOnly) {
    StageFixture stage;
    stage.setPoints(GetParam().points);
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    const SceneStorage& st = stage.storage;
    ASSERT_LE(st.EdgeCount, kEdgeCapacity);
    for (int k = 0; k < st.EdgeCount; ++k) {
        EXPECT_LT(st.EdgeFrom[k], st.EdgeTo[k]);
        EXPECT_TRUE(std::isfinite(st.EdgeLength[k]));
    }
    for (const RecordedOp& op : stage.surface.ops())
        EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                    std::isfinite(op.y2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegeneratePoints,
    ::testing::Values(
        DegenerateCase{"EqualX", {{100, 100}, {100, 300}, {250, 400}, {260, 210}}},
        DegenerateCase{"EqualY", {{100, 100}, {300, 100}, {250, 400}, {260, 210}}},
        DegenerateCase{"ThreeOnALine", {{100, 100}, {200, 150}, {300, 200}, {260, 410}}},
        DegenerateCase{"AllOnALine", {{100, 100}, {200, 150}, {300, 200}, {400, 250}}},
        DegenerateCase{"TwoEqualPoints", {{100, 100}, {100, 100}, {250, 400}, {260, 210}}},
        DegenerateCase{"AllEqual", {{5, 5}, {5, 5}, {5, 5}, {5, 5}}},
        DegenerateCase{"AtTheOrigin", {{0, 0}, {0, 0}, {0, 7}, {7, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VoronoiStage, PairSharingAnXIsStillFound) {
    // A vertical segment has a horizontal bisector, which the walk by x handles.
    StageFixture stage;
    stage.setPoints({{100, 100}, {100, 300}, {600, 650}, {650, 700}});
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    EXPECT_EQ(stage.storage.EdgeFrom[0], 0);
    EXPECT_EQ(stage.storage.EdgeTo[0], 1);
}

TEST(VoronoiStage, PairSharingAYIsDroppedNotListedOncePerStretch) {
    // A vertical bisector cannot be walked by x: the pair is not listed, rather than listed
    // for every stretch with an undefined midpoint.
    StageFixture stage;
    stage.setPoints({{100, 100}, {300, 100}, {600, 650}, {650, 700}});
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    for (int k = 0; k < stage.storage.EdgeCount; ++k)
        EXPECT_FALSE(stage.storage.EdgeFrom[k] == 0 && stage.storage.EdgeTo[k] == 1);
}

TEST(VoronoiStage, ManyCoincidentPointsStayWithinTheEdgeCapacity) {
    // Three clusters of 16 identical points, plus one: every cross-cluster pair passes many
    // zero-length stretches at the shared circumcentre.
    StageFixture stage;
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k < 16; ++k) {
        points.emplace_back(100, 100);
        points.emplace_back(500, 120);
        points.emplace_back(300, 500);
    }
    points.emplace_back(900, 700);
    stage.setPoints(points);
    ASSERT_EQ(RunVoronoiStage(stage.context()), StageEnd::Done);
    EXPECT_EQ(stage.storage.EdgeCount, kEdgeCapacity);
    const auto red =
        std::count_if(stage.surface.ops().begin(), stage.surface.ops().end(),
                      [](const RecordedOp& op) { return op.kind == RecordedOp::Kind::LineC; });
    EXPECT_EQ(red, kEdgeCapacity);
}

}  // namespace
}  // namespace kiv::testing
