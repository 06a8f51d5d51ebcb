#pragma once
// The Truth-in-Lending disclosure `quorvia-batch schedule --disclosure [--prepaid AMOUNT]`
// prints on standard output once the schedule is produced: one "name=value" line for the APR
// (percent, four decimals), the finance charge, the amount financed and the total of payments
// (two decimals each), the note rate beside them, and a payment_schedule line for each group
// of equal payments.

#include <iosfwd>
#include <optional>
#include <string>

#include "core/schedule/AmortInputs.h"
#include "core/schedule/Schedule.h"
#include "tools/BatchOptions.h"

namespace quorvia {

struct DisclosureRequest {
    double prepaid = 0;
};

// What --disclosure and --prepaid ask for; nothing without --disclosure. A --prepaid that is
// no amount, or one without --disclosure, sets `error`.
std::optional<DisclosureRequest> ParseDisclosureOptions(const BatchOptions& options,
                                                        std::string& error);

// Why the prepaid charges cannot stand against the loan amount, naming the option; empty when
// they can. Asked before any output is written, so that a refused run leaves no files.
std::string PrepaidProblem(const DisclosureRequest& request, const AmortInputs& loan);

// Prints the disclosure of the loan (the record as the form handed it to the engine) and its
// schedule, and returns the exit status.
int PrintDisclosure(const DisclosureRequest& request, const AmortInputs& loan,
                    const Schedule& schedule, std::ostream& out, std::ostream& err);

}  // namespace quorvia
