// The scene loop: the scene start's draws and drawing, the end-of-scene pause and the clear.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/SceneLoop.h"
#include "tests/RecordedProgram.h"

namespace kiv::testing {
namespace {

using ::testing::ElementsAre;

constexpr float kJustBelowOne = 0.99999994f;

const std::vector<std::pair<double, double>> kInsideTriangle = {
    {100, 100}, {400, 130}, {250, 400}, {260, 210}};

std::ptrdiff_t IndexOf(const std::vector<std::string>& lines, const std::string& line,
                       std::ptrdiff_t from = 0) {
    return std::find(lines.begin() + from, lines.end(), line) - lines.begin();
}

TEST(SceneStart, DrawsColourTitleAndRingsInOrder) {
    RecordedProgram run(ConfigWithPoints(kInsideTriangle, {0, 0, 0, 0, 0}));
    ASSERT_TRUE(run.runSaver(1));

    const std::vector<std::string> lines = run.lines();
    const std::vector<std::string> scene(lines.begin() + 5, lines.begin() + 16);
    EXPECT_THAT(scene, ElementsAre("fore 14605946",  // RGB(122, 222, 222)
                                   "font 12", "font 20", "line 0 40 0 40", "print N= 4", "font 12",
                                   "circle 100 100 3 65535", "circle 400 130 3 65535",
                                   "circle 250 400 3 65535", "circle 260 210 3 65535", "yield 1"));
    EXPECT_EQ(run.surface.drawCount(), 6 + 2 * 4);
}

struct DrawBoundsCase {
    const char* name;
    float draw;
    std::int64_t colour;
    std::int32_t pointCount;
    friend void PrintTo(const DrawBoundsCase& c, std::ostream* os) { *os << c.name; }
};

class SceneStartBounds : public ::testing::TestWithParam<DrawBoundsCase> {};

TEST_P(SceneStartBounds, ColourAndPointCountStayInRange) {
    const DrawBoundsCase& c = GetParam();
    RecordingConfig config;
    config.draws.assign(6, c.draw);
    RecordedProgram run(config);
    ASSERT_TRUE(run.runSaver(1));

    const auto& ops = run.surface.ops();
    EXPECT_EQ(ops[5].kind, RecordedOp::Kind::Fore);
    EXPECT_EQ(ops[5].value, c.colour);
    EXPECT_EQ(run.lines()[9], "print N= " + std::to_string(c.pointCount));
    EXPECT_EQ(run.surface.drawCount(), 6 + 2 * c.pointCount);
}

INSTANTIATE_TEST_SUITE_P(Draws, SceneStartBounds,
                         ::testing::Values(DrawBoundsCase{"Zero", 0.0f, RGB(122, 222, 222), 4},
                                           DrawBoundsCase{"JustBelowOne", kJustBelowOne,
                                                          RGB(244, 244, 244), 49}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SceneStart, TitleSitsAtTheDrawnPlace) {
    RecordingConfig config;  // 1024 x 768
    config.draws = {0, 0, 0, 0.5f, 1.0f / 3};
    RecordedProgram run(config);
    ASSERT_TRUE(run.runSaver(1));
    const RecordedOp& move = run.surface.ops()[8];
    ASSERT_EQ(move.kind, RecordedOp::Kind::Line);
    EXPECT_FLOAT_EQ(move.x1, 0.5f * (1024 - 380));
    EXPECT_FLOAT_EQ(move.y1, (1.0f / 3) * 150 + 40);
    EXPECT_EQ(move.x1, move.x2);
    EXPECT_EQ(move.y1, move.y2);
}

TEST(SceneStart, NarrowScreensPutTheTitleLeftOfTheEdge) {
    RecordingConfig config;
    config.screenWidthTwips = 300 * 15;
    config.draws = {0, 0, 0, 0.5f, 0};
    RecordedProgram run(config);
    ASSERT_TRUE(run.runSaver(1));
    EXPECT_EQ(run.lines()[8], "line -40 40 -40 40");
}

TEST(SceneStart, FewerPointsLeaveTheEarlierSceneAboveThePointCount) {
    RecordingConfig config;
    config.draws = {0, 0, 0, 0, 0, kJustBelowOne};  // 49 points, then the generator
    for (int k = 0; k < 98; ++k) config.draws.push_back(0.5f);
    config.draws.insert(config.draws.end(), {0, 0, 0, 0, 0, 0});  // 4 points
    for (int k = 0; k < 8; ++k) config.draws.push_back(0.25f);
    RecordingSurface surface(config);
    SceneStorage storage;
    Truth quitFlag = False;
    SceneContext context{surface, quitFlag, 1024, storage};

    StartScene(context);
    StartScene(context);
    EXPECT_EQ(storage.PointCount, 4);
    EXPECT_EQ(storage.PointX[3], 256);
    EXPECT_EQ(storage.PointX[4], 512);
    EXPECT_EQ(storage.PointY[48], 384);
}

// The four points inside-triangle scene yields 6 times in its Voronoi stage and
// 6 + 3 * (1 + 6) times in its tree stage, whose last yields run straight into the pause.
constexpr std::int64_t kStageYields = 6 + 6 + 3 * 7;
constexpr std::int64_t kTrailingTreeYields = 6;

TEST(EndOfScene, PausesExactlyThenClearsAndStartsTheNextScene) {
    RecordedProgram run(ConfigWithPoints(kInsideTriangle));
    ASSERT_TRUE(run.runSaver(kStageYields + PauseYields + 1));

    const std::vector<std::string> lines = run.lines();
    const std::ptrdiff_t pause =
        IndexOf(lines, "yield " + std::to_string(kTrailingTreeYields + PauseYields));
    ASSERT_LT(pause, std::ssize(lines));
    EXPECT_EQ(lines[pause + 1], "clear");
    EXPECT_EQ(lines[pause + 2].substr(0, 5), "fore ");
    EXPECT_GT(run.surface.drawCount(), 6 + 2 * 4 + 6);  // the next scene has started
}

TEST(EndOfScene, QuitInsideThePauseSkipsTheSceneClear) {
    RecordedProgram run(ConfigWithPoints(kInsideTriangle));
    ASSERT_TRUE(run.runSaver(kStageYields + 1000));

    const std::vector<std::string> lines = run.lines();
    EXPECT_THAT(std::vector<std::string>(lines.end() - 7, lines.end()),
                ElementsAre("yield " + std::to_string(kTrailingTreeYields + 1000), "clear", "hide",
                            "unload frmKiv", "spi 17 0", "showcursor -1", "end"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "clear"), 1);
}

TEST(EndOfScene, QuitInTheLastPauseYieldEndsBeforeTheClear) {
    RecordedProgram run(ConfigWithPoints(kInsideTriangle));
    ASSERT_TRUE(run.runSaver(kStageYields + PauseYields));
    const std::vector<std::string> lines = run.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "clear"), 1);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("fore "); }),
              1);
}

TEST(EndOfScene, QuitAfterTheClearEndsInTheNextScenesFirstYield) {
    RecordedProgram run(ConfigWithPoints(kInsideTriangle));
    ASSERT_TRUE(run.runSaver(kStageYields + PauseYields + 1));
    const std::vector<std::string> lines = run.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "clear"), 2);  // the scene's and the quit's
    EXPECT_EQ(lines[lines.size() - 7], "yield 1");
}

}  // namespace
}  // namespace kiv::testing
