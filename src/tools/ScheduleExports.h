#pragma once
// The report of a computed schedule as a PDF file, for `quorvia-batch schedule`.

#include <filesystem>
#include <optional>

#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/session/AppState.h"

namespace quorvia {

// Composes the report of the work file in `state` in the given style and writes it as PDF on
// the built-in PDF printer. Needs a running Qt application.
std::optional<RunError> WriteSchedulePdf(const std::filesystem::path& path, AppState& state, Ui& ui,
                                         int16_t reportKind, int16_t rowCount);

}  // namespace quorvia
