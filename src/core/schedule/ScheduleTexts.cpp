#include "core/schedule/ScheduleTexts.h"

#include "core/base/Dates.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

ScheduleTitle TitleOf(const Schedule& schedule) {
    const ScheduleHeading& heading = schedule.heading;
    ScheduleTitle title;
    title.interestMethod = heading.exactDays
                               ? "Interest is computed using exact days between payment dates"
                               : "Interest is computed using equal 30 day months";
    if (!TrimView(heading.borrowerName).empty()) {
        title.borrower = UpperCase(heading.borrowerName);
    }
    title.loan = "Amortization of a $" + FormatNumber(heading.statedAmount, "###,###,###.00") +
                 " Loan at " + heading.rateText + "% with " +
                 FormatNumber(schedule.scheduledCount, "##0") + " " + heading.frequencyName +
                 " Payments";
    if (heading.fundingDate) {
        title.start =
            "Loan proceeds disbursed on " + FormatDate(*heading.fundingDate, "mmmm d, yyyy");
    } else if (heading.oddDays != 0) {
        title.start =
            "Odd days to first scheduled payment = " + FormatNumber(heading.oddDays, "##0") +
            "  (1st payment adjusted accordingly)";
    }
    return title;
}

std::string YearSubtotalLabel(int year) {
    return "Interest for " + FormatNumber(year, "####");
}

std::vector<std::string> NotesOf(const Schedule& schedule) {
    std::vector<std::string> notes;
    for (const ScheduleEvent& event : schedule.events) {
        notes.push_back(DescribeEvent(event));
    }
    if (schedule.remainingBalance > 0) {
        notes.push_back("Note: Principal balance remaining at end of term = " +
                        FormatNumber(schedule.remainingBalance, "$##,###,##0.00"));
    }
    if (schedule.liquidatedEarly) {
        notes.push_back("Note: Payment schedule liquidated loan prior to specified term!");
    }
    return notes;
}

}  // namespace quorvia
