#pragma once
// The what-if options of `quorvia-batch schedule`: --extra AMOUNT[@FROM[-TO]],
// --lump AMOUNT@N and --rate-change RATE@N (both repeatable), --keep-payment and
// --interest-only N, read into the schedule's events.

#include <optional>
#include <string>
#include <vector>

#include "core/schedule/ScheduleEvents.h"
#include "tools/BatchOptions.h"

namespace quorvia {

// The option names of a command with these options added (--summary among them).
OptionNames WithEventOptions(OptionNames names);

struct BatchEvents {
    ScheduleEvents events;
    // Each event's option as given ("--lump 5000@24"), to name it in a message.
    std::vector<std::string> given;
};

// The events the options ask for (none without them). A value not written as its option
// wants, or an event no loan could have (a negative amount, a rate change at payment 1,
// overlapping runs of extra principal), gives nothing and the reason in `error`.
std::optional<BatchEvents> ParseEventOptions(const BatchOptions& options, std::string& error);

// Why the events cannot be applied to a loan of `scheduledCount` payments, naming the
// option; empty when they can.
std::string EventOptionsProblem(const BatchEvents& events, int scheduledCount);

}  // namespace quorvia
