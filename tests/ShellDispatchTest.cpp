// Start-up and mode dispatch, and the settings dialog's handlers.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/RecordedProgram.h"

namespace kiv::testing {
namespace {

using ::testing::ElementsAre;

enum class Outcome { Message, Dialog, EndAtOnce, Saver };

struct DispatchCase {
    std::string argumentText;
    bool previousInstance;
    Outcome outcome;

    friend void PrintTo(const DispatchCase& c, std::ostream* os) {
        *os << '"' << c.argumentText << '"' << (c.previousInstance ? " second instance" : "");
    }
};

std::vector<std::string> ExpectedStart(Outcome outcome) {
    switch (outcome) {
        case Outcome::Message:
            return {"msgbox " + kPasswordMessage, "end"};
        case Outcome::Dialog:
            return {"load frmKiv2", "show frmKiv2"};
        case Outcome::EndAtOnce:
            return {"end"};
        case Outcome::Saver:
            return {"load frmKiv", "show"};
    }
    return {};
}

class MainDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(MainDispatch, TakesTheRowOfItsFirstTwoCharacters) {
    const DispatchCase& c = GetParam();
    RecordedProgram run(ConfigWith(c.argumentText, c.previousInstance));
    run.surface.deliverAtYield(1, InputEvent::click());  // ends a saver at its first yield

    const bool ended = run.runMain();

    const std::vector<std::string> lines = run.lines();
    const std::vector<std::string> expected = ExpectedStart(c.outcome);
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
    EXPECT_EQ(ended, c.outcome != Outcome::Dialog);
    if (c.outcome == Outcome::Saver) {
        EXPECT_EQ(lines.back(), "end");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainDispatch,
    ::testing::Values(
        DispatchCase{"/a", false, Outcome::Message}, DispatchCase{"/A", false, Outcome::Message},
        DispatchCase{"/a 12345", false, Outcome::Message},
        DispatchCase{"/c", false, Outcome::Dialog}, DispatchCase{"/C", false, Outcome::Dialog},
        DispatchCase{"/c:2293", false, Outcome::Dialog},
        DispatchCase{"/cx", false, Outcome::Dialog},
        DispatchCase{"/config", false, Outcome::Dialog}, DispatchCase{"", false, Outcome::Dialog},
        DispatchCase{"/P", false, Outcome::EndAtOnce},
        DispatchCase{"/p 4711", false, Outcome::EndAtOnce},
        DispatchCase{"/s", false, Outcome::Saver}, DispatchCase{"/S", false, Outcome::Saver},
        DispatchCase{"/s 1", false, Outcome::Saver}, DispatchCase{"-s", false, Outcome::Saver},
        DispatchCase{"s", false, Outcome::Saver}, DispatchCase{"/x", false, Outcome::Saver},
        DispatchCase{"/", false, Outcome::Saver}, DispatchCase{"c", false, Outcome::Saver},
        DispatchCase{" /c", false, Outcome::Saver},
        DispatchCase{"\xE3\x83\x97", false, Outcome::Saver},
        // A second instance ends before looking at its command line.
        DispatchCase{"/c", true, Outcome::EndAtOnce}, DispatchCase{"/a", true, Outcome::EndAtOnce},
        DispatchCase{"/s", true, Outcome::EndAtOnce}, DispatchCase{"", true, Outcome::EndAtOnce}));

TEST(ModeKey, UpperCasesOnlyTheFirstTwoCharacters) {
    EXPECT_EQ(ModeKey("/config"), "/C");
    EXPECT_EQ(ModeKey("a"), "A");
    EXPECT_EQ(ModeKey(""), "");
    EXPECT_EQ(ModeKey(" /c"), " /");
    EXPECT_EQ(ModeKey("\xE3\x83\x97"), "\xE3\x83");  // bytes above ASCII are left alone
}

class SettingsDialog : public ::testing::Test {
  protected:
    SettingsDialog() : run(ConfigWith("/c")) { EXPECT_FALSE(run.runMain()); }

    // Delivers an event as the platform's event loop would while the dialog is open.
    bool deliver(const InputEvent& event) {
        return RunUntilEnd([&] { run.surface.deliverNow(event); });
    }

    RecordedProgram run;
};

TEST(SettingsDialogExits, OkCancelAndTheCloseBoxEachEndTheProgram) {
    for (const InputEvent& way :
         {InputEvent::click(ObjectId::Command1), InputEvent::click(ObjectId::Command2),
          InputEvent::close(FormId::frmKiv2)}) {
        RecordedProgram dialog(ConfigWith("/c"));
        ASSERT_FALSE(dialog.runMain());
        EXPECT_TRUE(RunUntilEnd([&] { dialog.surface.deliverNow(way); }));
        EXPECT_THAT(dialog.lines(),
                    ElementsAre("load frmKiv2", "show frmKiv2", "unload frmKiv2", "end"));
    }
}

TEST_F(SettingsDialog, ClickingTheDialogItselfDoesNothing) {
    EXPECT_FALSE(deliver(InputEvent::click(ObjectId::frmKiv2)));
    EXPECT_THAT(run.lines(), ElementsAre("load frmKiv2", "show frmKiv2"));
}

TEST_F(SettingsDialog, PreviewRunsTheSaverAndItsEndEndsTheProgram) {
    run.surface.deliverAtYield(3, InputEvent::keyDown(80));
    EXPECT_TRUE(deliver(InputEvent::click(ObjectId::cmdPreview)));

    const std::vector<std::string> lines = run.lines();
    EXPECT_EQ(lines[2], "load frmKiv");
    EXPECT_THAT(std::vector<std::string>(lines.end() - 6, lines.end()),
                ElementsAre("clear", "hide", "unload frmKiv", "spi 17 0", "showcursor -1", "end"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "show frmKiv2"), 1);
    EXPECT_TRUE(run.surface.user32State().pointerVisible());
    EXPECT_FALSE(run.surface.user32State().screenSaverActive());
}

TEST(SettingsDialogLayout, ListsTheControlsInTabOrderWithOkFirst) {
    const DialogLayout& layout = SettingsDialogLayout();
    EXPECT_STREQ(layout.caption, "設定");
    EXPECT_EQ(layout.clientWidth / 15, 436);
    EXPECT_EQ(layout.clientHeight / 15, 246);
    ASSERT_EQ(layout.controlCount, 6);
    for (int i = 0; i < layout.controlCount; ++i) EXPECT_EQ(layout.controls[i].tabIndex, i);
    EXPECT_STREQ(layout.controls[0].caption, "OK(&O)");
    EXPECT_EQ(layout.controls[0].clickTarget, ObjectId::Command1);
    EXPECT_STREQ(layout.controls[5].caption, "プレビュー(&P)");
    EXPECT_EQ(layout.controls[5].clickTarget, ObjectId::cmdPreview);
}

}  // namespace
}  // namespace kiv::testing
