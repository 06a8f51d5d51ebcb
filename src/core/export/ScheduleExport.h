#pragma once
// The Export... command of the windows that show a schedule: the person picks a file in the
// program's file dialog, as an Excel workbook or as CSV, and the schedule shown is written
// there. The typed extension decides the type; a name without one takes the chosen filter's.

#include <string>

#include "core/base/Ui.h"
#include "core/printing/CDialogService.h"
#include "core/schedule/Schedule.h"
#include "core/session/AppState.h"

namespace quorvia {

class ScheduleExport {
  public:
    // The dialog starts in the data folder of the preferences, or in `documentsFolder` when
    // none was chosen or it cannot be reached.
    ScheduleExport(const AppState& state, Ui& ui, CDialog& dialog, std::string documentsFolder)
        : state_(state), ui_(ui), dialog_(dialog), documentsFolder_(std::move(documentsFolder)) {}

    // Whether a file was written. A file that could not be written is told to the person.
    bool Export(const Schedule& schedule);

  private:
    // False when the person is to choose again.
    bool ExportOnce(const Schedule& schedule, bool& written);
    void SetUpDialog(const Schedule& schedule);
    std::string StartFolder() const;

    const AppState& state_;
    Ui& ui_;
    CDialog& dialog_;
    std::string documentsFolder_;
};

}  // namespace quorvia
