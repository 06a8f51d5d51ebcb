#pragma once
// The printing options of `quorvia-batch schedule`: --print QUEUE with --pages FROM-TO,
// --copies N and --collate.

#include <optional>
#include <string>

#include "core/reports/ReportPrinting.h"
#include "tools/BatchOptions.h"

namespace quorvia {

struct BatchPrint {
    std::string queue;
    PrintChoice choice;
};

// The print job the options ask for; nothing without --print. A malformed value, or a page or
// copy option without --print, sets `error`.
std::optional<BatchPrint> ParsePrintOptions(const BatchOptions& options, std::string& error);

}  // namespace quorvia
