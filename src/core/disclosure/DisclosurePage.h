#pragma once
// The disclosure as one printed page, for the printer and for a PDF file: the title, the
// borrower and the lender, the four boxes with their federal captions and explanations, the note
// rate beside them, the payment schedule and the itemization of the prepaid finance charges.
// The page is laid out on the report paper in the report font. A schedule with more groups of
// payments than the page holds lists the first ones and says how many more the schedule has.

#include <array>
#include <string>
#include <string_view>

#include "core/disclosure/DisclosureModel.h"
#include "core/reports/ReportDocument.h"
#include "core/session/AppState.h"

namespace quorvia {

inline constexpr std::string_view kDisclosureTitle = "Truth-in-Lending Disclosure";

// The four boxes: each one's caption and the explanation printed under it.
struct DisclosureBox {
    std::string_view caption;
    std::string_view explanation;
};
inline constexpr DisclosureBox kDisclosureBoxes[] = {
    {"ANNUAL PERCENTAGE RATE", "The cost of your credit as a yearly rate."},
    {"FINANCE CHARGE", "The dollar amount the credit will cost you."},
    {"Amount Financed", "The amount of credit provided to you or on your behalf."},
    {"Total of Payments",
     "The amount you will have paid after you have made all payments as scheduled."},
};

// The figures as the boxes show them, in the order of kDisclosureBoxes.
std::array<std::string, 4> BoxFigures(const DisclosureFigures& figures);
// "8.5000% (note rate)": the loan's own rate as the disclosure shows it beside the APR.
std::string NoteRateText(double percent);

// Composes the page of the last figures `disclosure` computed into `document`, replacing what it
// held.
void ComposeDisclosurePage(ReportDocument& document, const AppState& state,
                           const DisclosureModel& disclosure, std::string_view borrower);

}  // namespace quorvia
