#include "core/loanfile/LoanFileCommands.h"

#include <string>

#include "core/loanfile/LoanFile.h"

namespace quorvia {

void ShowFileError(Ui& ui, const std::string& what, const std::filesystem::path& path,
                   const RunError& error) {
    ui.MsgBox({what + " " + path.string() + " ..." + std::string(CrLf) + error.description,
               "FILE ERROR", MsgButtons::Ok, MsgIcon::Exclamation});
}

bool SaveLoanFile(const std::filesystem::path& path, AmortFormModel& form, AppState& state,
                  Ui& ui) {
    std::optional<RunError> error;
    {
        Hourglass hourglass(ui);
        error = WriteLoanFile(path, form.LoanFileEntriesFromForm());
    }
    if (error) {
        ShowFileError(ui, "Error saving", path, *error);
    } else {
        state.InputUnsaved = false;
    }
    ui.SetFocus(ControlName(AmortControl::txtName));
    return !error;
}

std::optional<LoanFileEntries> ReadLoanFileEntries(const std::filesystem::path& path,
                                                   const AppState& state, Ui& ui) {
    Hourglass hourglass(ui);
    LoanFileEntries entries;
    std::optional<RunError> error = ReadLoanFile(
        path, entries, static_cast<int16_t>(state.NumberPayments ? 1 : 0), state.ReportStyle);
    if (error) {
        ui.Beep();
        ShowFileError(ui, "Error loading", path, *error);
        return std::nullopt;
    }
    return entries;
}

bool LoadLoanFile(const std::filesystem::path& path, AmortFormModel& form, AppState& state,
                  Ui& ui) {
    std::optional<LoanFileEntries> entries = ReadLoanFileEntries(path, state, ui);
    if (!entries) {
        return false;
    }
    Hourglass hourglass(ui);
    form.FillFromLoanFile(*entries);
    state.InputUnsaved = false;
    return true;
}

}  // namespace quorvia
