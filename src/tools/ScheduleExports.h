#pragma once
// What `quorvia-batch schedule` makes of a computed schedule besides the work file: a CSV file
// for spreadsheets and the report as a PDF file.

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/session/AppState.h"

namespace quorvia {

// One row per payment under a header row: ISO dates, plain numbers with two decimals.
std::optional<RunError> WriteScheduleCsv(const std::filesystem::path& path,
                                         const std::vector<PaymentRow>& rows);

// Composes the report of the work file in `state` in the given style and writes it as PDF on
// the built-in PDF printer. Needs a running Qt application.
std::optional<RunError> WriteSchedulePdf(const std::filesystem::path& path, AppState& state, Ui& ui,
                                         int16_t reportKind, int16_t rowCount);

}  // namespace quorvia
