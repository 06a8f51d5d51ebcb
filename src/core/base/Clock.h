#pragma once
// Every "today" comes from a clock the caller supplies, so tests and the batch tool can fix it.

#include <functional>

#include "core/base/Dates.h"

namespace quorvia {

using Clock = std::function<Date()>;

// Today's date on this computer, in local time.
Date SystemToday();

}  // namespace quorvia
