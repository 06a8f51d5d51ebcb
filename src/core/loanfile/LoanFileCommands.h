#pragma once
// Saving the amortization form to a loan data file and loading one into it.

#include <filesystem>
#include <optional>
#include <string>

#include "core/amortization/AmortFormModel.h"
#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

// Tells the person that a file could not be read or written: what was being done ("Error
// saving") and the file, then the reason, under "FILE ERROR".
void ShowFileError(Ui& ui, const std::string& what, const std::filesystem::path& path,
                   const RunError& error);

// Writes the form's entries to `path`. A failure is told to the person and leaves the input
// marked unsaved (and the previous file as it was). Returns whether the file was written.
bool SaveLoanFile(const std::filesystem::path& path, AmortFormModel& form, AppState& state, Ui& ui);

// Reads the entries of `path`. A file that cannot be read is told to the person (after a
// beep) and gives nothing.
std::optional<LoanFileEntries> ReadLoanFileEntries(const std::filesystem::path& path,
                                                   const AppState& state, Ui& ui);

// Reads `path` into the form. A file that cannot be read (missing, shorter than 13 lines, a
// number that does not fit) is told to the person and changes nothing in the form. Returns
// whether the form was filled.
bool LoadLoanFile(const std::filesystem::path& path, AmortFormModel& form, AppState& state, Ui& ui);

}  // namespace quorvia
