// The tree stage: sort, white ring, growth order, tie-breaks, yields and quits.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/TreeStage.h"
#include "tests/StageFixture.h"

namespace kiv::testing {
namespace {

using ::testing::ElementsAre;

// Four points on a diagonal, so that every line names its endpoints.
const std::vector<std::pair<double, double>> kFourPoints = {{10, 11}, {20, 21}, {30, 31}, {40, 41}};

// The worked example's edges, given unsorted to exercise the sort.
const std::vector<StageFixture::Edge> kExampleEdges = {
    {0, 3, 10}, {0, 1, 8}, {1, 3, 12}, {1, 2, 4}, {0, 2, 5}};

TEST(TreeStage, GrowsTheShortestPathTreeNotTheMinimumSpanningTree) {
    StageFixture stage;
    stage.setPoints(kFourPoints);
    stage.setEdges(kExampleEdges);

    ASSERT_EQ(RunTreeStage(stage.context()), StageEnd::Done);

    // Edge (1, 2), the shortest, is never drawn: point 2 is nearer through point 0.
    EXPECT_THAT(stage.lines(),
                ElementsAre("circle 40 41 6 16777215", "yield 6", "line 10 11 40 41", "yield 6",
                            "line 20 21 40 41", "yield 6", "line 10 11 30 31", "yield 5"));
    const SceneStorage& st = stage.storage;
    EXPECT_THAT(std::vector<double>(st.EdgeLength.begin(), st.EdgeLength.begin() + 5),
                ElementsAre(4, 5, 8, 10, 12));
    EXPECT_THAT(std::vector<int>(st.EdgeFrom.begin(), st.EdgeFrom.begin() + 5),
                ElementsAre(1, 0, 0, 0, 1));
    EXPECT_THAT(std::vector<int>(st.EdgeTo.begin(), st.EdgeTo.begin() + 5),
                ElementsAre(2, 2, 1, 3, 3));
}

TEST(TreeStage, EqualCostsGoToTheCandidateAppendedFirst) {
    // hSort swaps two equal lengths, so edge (1, 3) comes first in the list and wins.
    StageFixture stage;
    stage.setPoints(kFourPoints);
    stage.setEdges({{0, 3, 5}, {1, 3, 5}, {2, 3, 7}});
    ASSERT_EQ(RunTreeStage(stage.context()), StageEnd::Done);
    const std::vector<std::string> lines = stage.lines();
    EXPECT_EQ(lines[2], "line 20 21 40 41");
    EXPECT_EQ(lines[4], "line 10 11 40 41");
    EXPECT_EQ(lines[6], "line 30 31 40 41");
}

TEST(TreeStage, DuplicateEntriesDrawOneLine) {
    StageFixture stage;
    stage.setPoints(kFourPoints);
    stage.setEdges({{0, 3, 1}, {0, 3, 1}, {1, 3, 2}, {2, 3, 3}, {2, 3, 3}});
    ASSERT_EQ(RunTreeStage(stage.context()), StageEnd::Done);
    const std::vector<std::string> lines = stage.lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("line "); }),
              3);
}

struct UnreachableCase {
    const char* name;
    std::vector<StageFixture::Edge> edges;
    std::vector<std::string> lines;
    friend void PrintTo(const UnreachableCase& c, std::ostream* os) { *os << c.name; }
};

class TreeStageUnreachable : public ::testing::TestWithParam<UnreachableCase> {};

// When no live candidate is left, the stage ends as done instead of reaching past the list.
TEST_P(TreeStageUnreachable, EndsAsDoneWithTheTreeItCouldGrow) {
    StageFixture stage;
    stage.setPoints(kFourPoints);
    stage.setEdges(GetParam().edges);
    ASSERT_EQ(RunTreeStage(stage.context()), StageEnd::Done);
    EXPECT_EQ(stage.lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeStageUnreachable,
    ::testing::Values(UnreachableCase{"EmptyEdgeList", {}, {"circle 40 41 6 16777215", "yield 1"}},
                      UnreachableCase{
                          "TwoComponents",
                          {{0, 1, 1}, {2, 3, 2}},
                          {"circle 40 41 6 16777215", "yield 3", "line 30 31 40 41", "yield 3"}},
                      UnreachableCase{"SelfLoopNeverACandidate",
                                      {{3, 3, 1}, {1, 1, 1}},
                                      {"circle 40 41 6 16777215", "yield 3"}},
                      UnreachableCase{"CostAtTheSentinelNeverChosen",
                                      {{0, 3, 99999.9}, {1, 3, 1e6}},
                                      {"circle 40 41 6 16777215", "yield 3"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct QuitCase {
    const char* name;
    std::int64_t quitAtYield;
    int linesDrawn;
    friend void PrintTo(const QuitCase& c, std::ostream* os) { *os << c.name; }
};

class TreeStageQuit : public ::testing::TestWithParam<QuitCase> {};

TEST_P(TreeStageQuit, StopsAtTheYieldWithNothingMoreDrawn) {
    StageFixture stage;
    stage.setPoints(kFourPoints);
    stage.setEdges(kExampleEdges);
    stage.quitAtYield(GetParam().quitAtYield);
    ASSERT_EQ(RunTreeStage(stage.context()), StageEnd::Quit);
    const std::vector<std::string> lines = stage.lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("line "); }),
              GetParam().linesDrawn);
    EXPECT_TRUE(lines.back().starts_with("yield "));
    EXPECT_EQ(stage.surface.yieldCount(), GetParam().quitAtYield);
}

INSTANTIATE_TEST_SUITE_P(Points, TreeStageQuit,
                         ::testing::Values(QuitCase{"InitialScan", 2, 0},
                                           QuitCase{"FirstGrowthStep", 6, 0},
                                           QuitCase{"Rescan", 9, 1},
                                           QuitCase{"LastGrowthStep", 18, 2},
                                           QuitCase{"LastRescan", 23, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kiv::testing
