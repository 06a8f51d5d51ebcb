#pragma once
// The desktop program's schedule run: the status window while the engine writes the work
// file, then the preview window, shown modally, and the clean-up after it.

#include <cstdint>

#include "core/base/StatusDisplay.h"
#include "core/base/Ui.h"
#include "core/schedule/Schedule.h"
#include "core/schedule/ScheduleRunner.h"
#include "core/session/AppState.h"

namespace quorvia {

// Opens the preview on the work file and returns when the person has closed it. The computed
// schedule is what the preview exports; with the loan as the form handed it to the engine, it is
// what the preview's disclosure shows.
class SchedulePreview {
  public:
    virtual ~SchedulePreview() = default;
    virtual void ShowPreview(const AmortInputs& loan, const Schedule& schedule,
                             int16_t reportKind) = 0;
};

class DesktopScheduleRunner : public ScheduleRunner {
  public:
    DesktopScheduleRunner(AppState& state, Ui& ui, StatusDisplay& status, SchedulePreview& preview)
        : state_(state), ui_(ui), status_(status), preview_(preview) {}

    void ComputeSchedule(AmortInputs& inputs) override { ComputeSchedule(inputs, {}); }
    // The same run for a schedule with what-if events (a scenario of the comparison).
    void ComputeSchedule(AmortInputs& inputs, const ScheduleEvents& events);

  private:
    AppState& state_;
    Ui& ui_;
    StatusDisplay& status_;
    SchedulePreview& preview_;
};

}  // namespace quorvia
