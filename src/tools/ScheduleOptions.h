#pragma once
// The options of `quorvia-batch schedule`, as its help lists them, and the names its choice
// options take beside their numbers.

#include <string_view>

#include "tools/BatchCommand.h"

namespace quorvia {

// --method: 0 equal 30-day months, 1 the exact number of days.
inline constexpr std::string_view kMethodNames[] = {"30-360", "exact"};
// --style: 0 columnar without grid, 1 plain grid, 2 fancy grid, 3 the yearly summary only.
inline constexpr std::string_view kStyleNames[] = {"columnar", "grid", "fancy", "summary"};

const OptionTable& ScheduleOptions();

}  // namespace quorvia
