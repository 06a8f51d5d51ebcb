#pragma once
// The page set-up options of `quorvia-batch schedule`: --paper NAME and --orientation
// portrait|landscape. Each replaces what the preferences hold, for the PDF and for printing.

#include <cstdint>
#include <optional>
#include <string>

#include "core/session/AppState.h"
#include "tools/BatchOptions.h"

namespace quorvia {

struct BatchPageSetup {
    std::optional<int16_t> paperSize;
    std::optional<int16_t> orientation;

    void ApplyTo(AppState& state) const;
};

// The page set-up the options ask for; nothing, with the reason in `error`, for a paper or an
// orientation the program does not know.
std::optional<BatchPageSetup> ParsePageOptions(const BatchOptions& options, std::string& error);

}  // namespace quorvia
