#include "core/amortization/DesktopScheduleRunner.h"

#include <optional>

#include "core/base/NumberText.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/WorkFile.h"

namespace quorvia {

void DesktopScheduleRunner::ComputeSchedule(AmortInputs& inputs, const ScheduleEvents& events) {
    const int16_t reportKind = inputs.SelectedStyle;
    const AmortInputs loan = inputs;  // before the engine works on it
    Schedule schedule;
    std::optional<RunError> error;
    {
        Hourglass busy(ui_);
        int16_t count = ScheduledCount(inputs);
        status_.Show("Calculating " + FormatNumber(count, "###") + " payments ...");
        status_.SetMeter(0, FormatNumber(0, "##0\\%"));
        error = WriteSchedule(
            inputs, state_.SemiMonthly, state_.WorkFilePath(),
            [this](double percent) { status_.SetMeter(percent, FormatNumber(percent, "##0\\%")); },
            &schedule, events);
    }
    if (error) {
        ShowScheduleError(ui_, *error);
    } else {
        preview_.ShowPreview(loan, schedule, reportKind);
    }
    RemoveFileQuietly(state_.WorkFilePath());
    status_.Hide();
}

}  // namespace quorvia
