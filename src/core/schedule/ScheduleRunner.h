#pragma once
// What the amortization form hands a validated loan to. The desktop program shows the status
// window, runs the engine and the preview; the batch tool runs the engine and writes its
// outputs. Both read the semi-monthly due-day choice from AppState themselves.

#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

class ScheduleRunner {
  public:
    virtual ~ScheduleRunner() = default;

    // Runs the schedule for the record, which the engine works on in place; failures are
    // reported to the person by the runner itself.
    virtual void ComputeSchedule(AmortInputs& inputs) = 0;
};

// Tells the person that a schedule could not be computed: the error's description and
// "Returning to program ...", after a beep.
void ShowScheduleError(Ui& ui, const RunError& error);

}  // namespace quorvia
