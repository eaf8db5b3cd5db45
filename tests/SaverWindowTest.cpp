// The saver window: start-up and teardown order, the input handlers and the mouse rule.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/RecordedProgram.h"

namespace kiv::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

std::vector<std::string> Head(const std::vector<std::string>& lines, std::size_t n) {
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(n, lines.size()))};
}

std::vector<std::string> Tail(const std::vector<std::string>& lines, std::size_t n) {
    return {lines.end() - static_cast<std::ptrdiff_t>(std::min(n, lines.size())), lines.end()};
}

TEST(SaverRun, PreparesTheWindowBeforeTheFirstSceneAndTearsDownAfterTheQuit) {
    RecordedProgram run;
    ASSERT_TRUE(run.runSaver(1));

    const std::vector<std::string> lines = run.lines();
    EXPECT_THAT(Head(lines, 6), ElementsAre("load frmKiv", "show", "spi 17 -1", "showcursor 0",
                                            "refresh", StartsWith("fore ")));
    EXPECT_THAT(Tail(lines, 7), ElementsAre("yield 1", "clear", "hide", "unload frmKiv", "spi 17 0",
                                            "showcursor -1", "end"));
    EXPECT_TRUE(run.surface.user32State().pointerVisible());
    EXPECT_EQ(run.surface.user32State().displayCount(), 0);
    EXPECT_FALSE(run.surface.user32State().screenSaverActive());
}

TEST(SaverRun, AnyKeyOrClickEndsTheRunAtTheYieldItArrivesIn) {
    for (const InputEvent& input : {InputEvent::click(), InputEvent::keyDown(16, 1),
                                    InputEvent::keyDown(65), InputEvent::keyDown(0)}) {
        RecordedProgram run;
        run.surface.deliverAtYield(4, input);
        ASSERT_TRUE(RunUntilEnd([&] { run.surface.load(FormId::frmKiv); }));
        EXPECT_EQ(run.surface.yieldCount(), 4);
        EXPECT_EQ(run.program.module().QuitFlag, True);
    }
}

// Each case: mouse positions in order, and whether the saver quits.
struct MouseCase {
    const char* name;
    std::vector<std::pair<float, float>> moves;
    bool quits;
    friend void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.name; }
};

class MouseRule : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MouseRule, ComparesEveryPositionWithTheFirstOneRecorded) {
    RecordedProgram run;
    Program& program = run.program;
    for (const auto& [x, y] : GetParam().moves) program.MouseMove(FormId::frmKiv, 0, 0, x, y);
    EXPECT_EQ(program.module().QuitFlag, GetParam().quits ? True : False);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseRule,
    ::testing::Values(
        MouseCase{"FirstMoveOnlyRecords", {{500, 400}}, false},
        MouseCase{"SamePositionIsIgnored", {{500, 400}, {500, 400}, {500, 400}}, false},
        MouseCase{"OtherPositionQuits", {{500, 400}, {501, 400}}, true},
        MouseCase{"ComparedWithFirstNotPrevious", {{500, 400}, {500, 401}, {500, 400}}, true},
        MouseCase{"OriginIsNotRecorded", {{0, 0}, {7, 7}}, false},
        MouseCase{"OriginThenRecordThenMove", {{0, 0}, {7, 7}, {8, 7}}, true},
        MouseCase{"ZeroXIsARealRecord", {{0, 5}, {0, 5}}, false},
        MouseCase{"ZeroXRecordThenXMoves", {{0, 5}, {1, 5}}, true},
        MouseCase{"ZeroXRecordThenYMoves", {{0, 5}, {0, 6}}, true},
        MouseCase{"HalvesRoundToEven", {{10.5f, 3.5f}, {10, 4}}, false},
        MouseCase{"HalvesRoundToEvenUpward", {{11.5f, 2.5f}, {12, 2}}, false},
        MouseCase{"FractionsRoundToNearest", {{3, 3}, {3.4f, 2.6f}}, false},
        MouseCase{"FractionPastHalfMoves", {{3, 3}, {3.6f, 3}}, true},
        MouseCase{"HugeCoordinatesAreClamped", {{1e9f, 5}, {32767, 5}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaverRun, MouseMovementEndsTheRunAfterTheFirstRecordedPosition) {
    RecordedProgram run;
    run.surface.deliverAtYield(2, InputEvent::mouseMove(300, 200));
    run.surface.deliverAtYield(3, InputEvent::mouseMove(300, 200));
    run.surface.deliverAtYield(5, InputEvent::mouseMove(301, 200));
    ASSERT_TRUE(RunUntilEnd([&] { run.surface.load(FormId::frmKiv); }));
    EXPECT_EQ(run.surface.yieldCount(), 5);
}

TEST(SaverRun, CloseOfTheSaverWindowEndsTheProcessToo) {
    RecordedProgram run;
    run.surface.deliverAtYield(2, InputEvent::close(FormId::frmKiv));
    ASSERT_TRUE(RunUntilEnd([&] { run.surface.load(FormId::frmKiv); }));
    EXPECT_THAT(Tail(run.lines(), 4),
                ElementsAre("unload frmKiv", "spi 17 0", "showcursor -1", "end"));
    EXPECT_TRUE(run.surface.user32State().pointerVisible());
}

TEST(SaverRun, ScreenWidthIsTakenOnceBeforeTheFirstScene) {
    RecordingConfig config;
    config.screenWidthTwips = 1366 * 15;
    RecordedProgram run(config);
    ASSERT_TRUE(run.runSaver(1));
    EXPECT_FLOAT_EQ(run.program.saverWindow().ScreenWidthPx, 1366);
}

}  // namespace
}  // namespace kiv::testing
