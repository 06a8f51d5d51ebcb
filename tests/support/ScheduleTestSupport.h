#pragma once
// Builds loans the way the amortization form leaves them for the engine, and reads the work
// file back, for the engine and report tests.

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/Dates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/NumberText.h"
#include "core/schedule/AmortInputs.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/WorkFile.h"
#include "core/session/AppState.h"
#include "support/TempFolder.h"

namespace quorvia::testing {

inline AmortInputs Loan(double amount, double ratePercent, int months, int frequency,
                        const std::string& firstPayment) {
    AmortInputs in;
    in.AmountText = FormatNumber(amount, "########0.00");
    in.LoanAmount = amount;
    in.RateText = FormatNumber(ratePercent, "#0.0000");
    in.AnnualRate = *RatePercent(in.RateText) / 100;
    in.TermMonths = static_cast<int16_t>(months);
    ApplyFrequency(in, frequency);
    in.FirstPaymentDateText = firstPayment;
    Date first = *ParseDate(firstPayment);
    in.FirstPaymentDate = first;
    in.DueDay = static_cast<int16_t>(DayOf(first));
    in.CurrentMonth = static_cast<int16_t>(MonthOf(first));
    in.CurrentYear =
        static_cast<int16_t>(YearOf(first) < 1980 ? YearOf(first) + 100 : YearOf(first));
    return in;
}

// The loan with its payment derived as the form does when the payment is left at zero.
inline AmortInputs DerivedLoan(double amount, double ratePercent, int months, int frequency,
                               const std::string& firstPayment) {
    AmortInputs in = Loan(amount, ratePercent, months, frequency, firstPayment);
    DeriveMissingPaymentOrTerm(in);
    return in;
}

// A program folder of its own with the schedule of 100,000 at 8.5 % over 360 monthly payments
// from 01/15/2027 computed and its work file written, as the preview and the disclosure get it.
struct ComputedLoan {
    ComputedLoan() {
        state.AppPath = folder.Path();
        // The engine works on the record it is handed; the windows take `loan` as handed over.
        AmortInputs worked = loan;
        written = !WriteSchedule(worked, state.SemiMonthly, state.WorkFilePath(), {}, &schedule);
    }

    TempFolder folder;
    AppState state;
    AmortInputs loan = DerivedLoan(100000, 8.5, 360, kMonthly, "01/15/2027");
    Schedule schedule;
    bool written = false;
};

inline void UseExactDays(AmortInputs& in, const std::string& funding) {
    in.ExactDays = true;
    in.FundingDateText = funding;
}

inline std::vector<WorkRecord> ReadWorkFile(const std::filesystem::path& path) {
    std::vector<WorkRecord> records;
    WorkFileReader reader;
    if (reader.Open(path)) {
        return records;
    }
    WorkFileRecord record;
    while (!reader.AtEnd() && !reader.Read(record)) {
        records.push_back(record.fields);
    }
    return records;
}

}  // namespace quorvia::testing
