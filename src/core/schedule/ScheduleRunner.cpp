#include "core/schedule/ScheduleRunner.h"

namespace quorvia {

void ShowScheduleError(Ui& ui, const RunError& error) {
    ui.Beep();
    ui.MsgBox({error.description + std::string(CrLf) + "Returning to program ...", "ERROR",
               MsgButtons::Ok, MsgIcon::Information});
}

}  // namespace quorvia
