#pragma once
// "&Okay" on the data tab: every check in its fixed order on a snapshot of the form's entries.
// The result is the loan for the schedule runner, or the stop with the control to correct;
// either way the entries as validation left them (the payment or term it filled in, the first
// payment date it tidied or corrected), for the form to show.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/amortization/AmortControls.h"
#include "core/base/Clock.h"
#include "core/base/Ui.h"
#include "core/schedule/AmortInputs.h"
#include "core/session/AppState.h"

namespace quorvia {

// What validation reads of the form, and may write back.
struct AmortEntries {
    std::array<std::string, kAmortFieldCount> texts;
    int optCalc = 0;
    int optFreq = kMonthly;
    int pairListIndex = -1;
    int chkFix = 0;
    int chkBalDue = 0;
    int chkNbrPymts = 0;
    int optStyle = kColumnarNoGrid;

    std::string& operator[](AmortField field) { return texts[static_cast<size_t>(field)]; }
    const std::string& operator[](AmortField field) const {
        return texts[static_cast<size_t>(field)];
    }
};

struct AmortValidationResult {
    // Empty when validation stopped.
    std::optional<AmortInputs> inputs;
    // After a stop: the control the person corrects ("txtTerm", "optCalc(1)").
    std::string focus;
    AmortEntries entries;
    // Once the first payment date was read: that date, as the form remembers it, and the date
    // today plus one period would have given.
    std::optional<Date> paymentDate;
    std::optional<std::string> computedDateText;
};

// How the amount, payment and rate fields take their text: the message that refuses it (not a
// number, or an amount too large to print), or nothing when the field takes it.
std::optional<Message> EntryRefusal(AmortField field, std::string_view text);

class AmortValidation {
  public:
    // The session state's semi-monthly choice is brought in line with the loan as it is checked.
    AmortValidation(AppState& state, Ui& ui, Clock today);

    AmortValidationResult Validate(const AmortEntries& entries);

  private:
    enum class Outcome { Continue, Stop, Restart };

    Outcome ValidationPass();
    Outcome ReadFields();
    Outcome CheckTermLimit();
    Outcome CheckFundingGap();
    Outcome CheckFrequencyNeedsExactDays();
    Outcome CheckWeekday();
    Outcome SetStartValues();
    Outcome ReadPaymentOptions();
    Outcome CheckNoNegativeEntries();
    Outcome CheckOddDaysRange();
    Outcome CheckLoanAmount();
    Outcome CheckPaymentCoversInterest();
    Outcome CheckOrDeriveTerm();
    Outcome CheckFirstPaymentDay();
    Outcome CheckNoOddDays();
    Outcome CheckDueDayPair();
    Outcome FixPaymentDate();
    Outcome DerivePayment();
    Outcome CheckInterestFreeCount();
    Outcome CheckAmountsPrint();
    Outcome ConfirmPayOut();
    Outcome ReadReportOptions();

    std::optional<Date> DateForValidation(AmortField field);
    void SetFirstPaymentDate(Date date);
    Outcome Stop(std::string focus);
    Outcome StopWith(const Message& message, std::string focus);
    Outcome StopAtRefusedEntry(AmortField field);
    Outcome Stop(AmortControl focus) { return Stop(std::string(ControlName(focus))); }
    Outcome StopWithError(const std::string& prompt, MsgIcon icon, std::string focus,
                          std::string_view title = "ERROR");
    Outcome StopWithError(const std::string& prompt, MsgIcon icon, AmortControl focus) {
        return StopWithError(prompt, icon, std::string(ControlName(focus)));
    }
    Outcome StopUnlessYes(const std::string& prompt, std::string_view title, int defaultButton,
                          AmortControl focus);

    AppState& state_;
    Ui& ui_;
    Clock today_;

    std::string& Text(AmortField field) { return result_.entries[field]; }

    AmortValidationResult result_;
    AmortInputs inputs_;
    Date first_{};
    Date funding_{};
    bool termTooLarge_ = false;
};

}  // namespace quorvia
