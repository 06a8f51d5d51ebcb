#include "core/amortization/DesktopScheduleRunner.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/PreviewTestSupport.h"
#include "support/ScheduleTestSupport.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

using testing::DerivedLoan;
using testing::RecordingStatus;

// Records what the preview was handed and what it found.
class RecordingPreview : public SchedulePreview {
  public:
    RecordingPreview(const AppState& state, RecordingStatus& status, ScriptedUi& ui)
        : state_(state), status_(status), ui_(ui) {}
    void ShowPreview(const AmortInputs&, const Schedule& schedule, int16_t reportKind) override {
        rows = schedule.scheduledCount;
        kind = reportKind;
        workFileThere = std::filesystem::exists(state_.WorkFilePath());
        hourglassDepth = ui_.hourglassDepth;
        status_.events.push_back("preview");
    }

    int16_t rows = -1;
    int16_t kind = -1;
    bool workFileThere = false;
    int hourglassDepth = -1;

  private:
    const AppState& state_;
    RecordingStatus& status_;
    ScriptedUi& ui_;
};

class DesktopScheduleRunnerTest : public ::testing::Test {
  protected:
    DesktopScheduleRunnerTest() { state.AppPath = folder.Path(); }

    TempFolder folder;
    AppState state;
    ScriptedUi ui;
    RecordingStatus status;
    RecordingPreview preview{state, status, ui};
    DesktopScheduleRunner runner{state, ui, status, preview};
};

TEST_F(DesktopScheduleRunnerTest, StatusThenWorkFileThenPreviewThenCleanUp) {
    AmortInputs in = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2027");
    in.SelectedStyle = kFancyGrid;
    runner.ComputeSchedule(in);

    ASSERT_GE(status.events.size(), 4u);
    EXPECT_EQ(status.events.front(), "show:Calculating 360 payments ...");
    EXPECT_EQ(status.events[1], "meter:0%");
    EXPECT_EQ(status.events[status.events.size() - 3], "meter:100%");
    EXPECT_EQ(status.events[status.events.size() - 2], "preview");
    EXPECT_EQ(status.events.back(), "hide");
    EXPECT_EQ(status.meters.size(), 361u);  // 0, then once per payment

    EXPECT_EQ(preview.rows, 360);
    EXPECT_EQ(preview.kind, kFancyGrid);
    EXPECT_TRUE(preview.workFileThere);
    EXPECT_EQ(preview.hourglassDepth, 0);  // the preview manages the pointer itself
    EXPECT_FALSE(std::filesystem::exists(state.WorkFilePath()));
    EXPECT_EQ(ui.hourglassDepth, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DesktopScheduleRunnerTest, EngineFailureIsReportedAndCleanedUp) {
    state.AppPath = folder / "no such folder";
    AmortInputs in = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2027");
    runner.ComputeSchedule(in);

    EXPECT_EQ(preview.rows, -1);
    EXPECT_EQ(ui.beeps, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    const Message& message = ui.messages[0];
    EXPECT_NE(message.prompt.find("\r\nReturning to program ..."), std::string::npos);
    EXPECT_GT(message.prompt.find("\r\n"), 0u);  // the error's own description comes first
    EXPECT_EQ(message.title, "ERROR");
    EXPECT_EQ(message.icon, MsgIcon::Information);
    EXPECT_EQ(ui.events.front(), "beep");
    EXPECT_EQ(status.events.back(), "hide");
    EXPECT_EQ(ui.hourglassDepth, 0);
}

}  // namespace
}  // namespace quorvia
