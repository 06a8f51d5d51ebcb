#pragma once
// The schedule as an Excel workbook (.xlsx), for a colleague or an accountant. The first sheet
// holds the payments as real numbers and dates under a frozen heading row, with each year's
// interest subtotal and the totals in bold; the second sheet holds the loan's terms.

#include <filesystem>
#include <optional>

#include "core/base/RunError.h"
#include "core/schedule/Schedule.h"

namespace quorvia {

// Writes the workbook through the atomic writer: a reader sees the old file or the new one,
// and a failure leaves the old file as it was. Failures read as those of every other output
// ("Cannot write PATH: reason").
std::optional<RunError> WriteScheduleWorkbook(const std::filesystem::path& path,
                                              const Schedule& schedule);

}  // namespace quorvia
