#pragma once
// The report of a computed schedule as a PDF file or on a print queue, for
// `quorvia-batch schedule`.

#include <filesystem>
#include <optional>

#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/session/AppState.h"
#include "tools/PrintOptions.h"

namespace quorvia {

// Composes the report of the work file in `state` in the given style and writes it as PDF on
// the built-in PDF printer. Needs a running Qt application.
std::optional<RunError> WriteSchedulePdf(const std::filesystem::path& path, AppState& state, Ui& ui,
                                         int16_t reportKind, int16_t rowCount);

// Composes the report the same way and prints it on the queue through the printing steps of the
// preview window, with their messages. `printed` tells whether the queue took the job; when it
// did not, the person has been told why.
std::optional<RunError> PrintSchedule(const BatchPrint& print, AppState& state, Ui& ui,
                                      int16_t reportKind, int16_t rowCount, bool& printed);

}  // namespace quorvia
