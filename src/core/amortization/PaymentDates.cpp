// The payment-date rules of the amortization form: the two date fields, the default first
// payment date, the semi-monthly due-day pairs and the date part of a frequency change.

#include "core/amortization/PaymentDates.h"

#include "core/amortization/AmortFormModel.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

constexpr std::array<std::array<int16_t, 2>, 4> kPairDays{{{1, 16}, {5, 20}, {10, 25}, {15, 30}}};

constexpr std::string_view kLaterThanFunding =
    "Please enter a NEW 1st payment date which is later than the loan funding date.";
constexpr std::string_view kVerifyNewDate = "Please verify or correct the NEW 1st payment date.";
constexpr std::string_view kNeedsExactDays =
    "Bi-weekly and Semi-monthly payment schedules REQUIRE "
    "that interest be calculated using exact number "
    "of days. Do you want to reset the calculation method "
    "to 'Exact Days' now?";

}  // namespace

void ChooseDueDatePair(SemiMonthlyChoice& choice, int pair) {
    if (pair < 1 || pair > static_cast<int>(kPairDays.size())) {
        pair = 1;
    }
    choice[0] = static_cast<int16_t>(pair);
    choice[1] = kPairDays[pair - 1][0];
    choice[2] = kPairDays[pair - 1][1];
}

Date NextDueDay(Date current, SemiMonthlyChoice& choice) {
    if (choice[3] == 1) {
        choice[3] = 2;
        return BuildDate(YearOf(current), MonthOf(current), choice[2]);
    }
    choice[3] = 1;
    return BuildDate(YearOf(current), MonthOf(current) + 1, choice[1]);
}

int16_t CountingYear(Date date) {
    int year = YearOf(date);
    return static_cast<int16_t>(year < 1980 ? year + 100 : year);
}

void EnsurePairDays(SemiMonthlyChoice& choice) {
    if (choice[1] == 0 || choice[2] == 0) {
        ChooseDueDatePair(choice, choice[0]);
    }
}

bool OnDueDayPair(Date date, const SemiMonthlyChoice& choice) {
    return DayOf(date) == choice[1] || DayOf(date) == choice[2];
}

void TakePairFromList(int& listIndex, SemiMonthlyChoice& choice) {
    int pair = listIndex + 1;
    if (pair < 1 || pair > static_cast<int>(kPairDays.size())) {
        listIndex = 0;
        pair = 1;
    }
    ChooseDueDatePair(choice, pair);
}

Date FirstDueDayAfter(Date first, Date funding, bool includeFundingDay, SemiMonthlyChoice& choice) {
    EnsurePairDays(choice);
    Date date = first;
    while (includeFundingDay ? date <= funding : date < funding) {
        date = NextDueDay(date, choice);
    }
    return date;
}

// The first half of the month unless the date lies within two days of the funding date.
Date CorrectedToDueDayPair(Date first, Date funding, SemiMonthlyChoice& choice) {
    choice[3] = DaysBetween(funding, first) > 2 ? 1 : 2;
    Date onPair = BuildDate(YearOf(first), MonthOf(first), choice[choice[3]]);
    // The due day can fall on or before the funding date (the first due day of the month may
    // lie before it); such a loan would start with negative interest.
    return FirstDueDayAfter(onPair, funding, true, choice);
}

Date ComputedFirstPaymentDate(Date today, int frequency, bool exactDays,
                              SemiMonthlyChoice& choice) {
    const PaymentFrequency& period = FrequencyOf(frequency);
    Date computed = AddInterval(today, period.dateInterval, period.dateIntervalCount);
    if (frequency == kSemiMonthly && exactDays) {
        choice[3] = DayOf(computed) <= choice[1] ? 1 : 2;
        computed = BuildDate(YearOf(computed), MonthOf(computed), choice[choice[3]]);
    }
    return computed;
}

void ShowDateFormatWarning(Ui& ui, AmortField field) {
    if (field == AmortField::FirstPayment) {
        ui.MsgBox({"Please use 'mm/dd/yy[yy]' format!", "W A R N I N G", MsgButtons::Ok,
                   MsgIcon::Information, 1});
    } else {
        ui.Beep();
        ui.MsgBox(
            {"Please use format 'MM/DD/YY[YY]'", "ERROR", MsgButtons::Ok, MsgIcon::Information, 1});
    }
}

bool AmortFormModel::IsOtherCommandButton(std::string_view control) {
    return control == ControlName(AmortControl::comClr) ||
           control == ControlName(AmortControl::comQuit);
}

void AmortFormModel::SetFirstPaymentDate(Date date) {
    PaymentDate = date;
    SetFieldText(AmortField::FirstPayment, FormatDate(date, kDateFieldText));
}

void AmortFormModel::AdvanceToNextDueDay() {
    std::optional<Date> first = ParseDate(txtPymt1.text);
    if (!first) {
        return;
    }
    EnsurePairDays(state_.SemiMonthly);
    SetFirstPaymentDate(NextDueDay(*first, state_.SemiMonthly));
}

void AmortFormModel::AdvancePastFunding(Date funding, bool includeFundingDay) {
    if (std::optional<Date> first = ParseDate(txtPymt1.text)) {
        SetFirstPaymentDate(
            FirstDueDayAfter(*first, funding, includeFundingDay, state_.SemiMonthly));
    }
}

bool AmortFormModel::CheckDateField(AmortField field, std::string_view nextControl) {
    if (IsOtherCommandButton(nextControl)) {
        return true;
    }
    if (WarningShown) {
        WarningShown = false;
        return true;
    }
    std::optional<Date> date = ParseDate(FieldOf(field).text);
    if (!date) {
        WarningShown = true;
        ShowDateFormatWarning(ui_, field);
        Focus(FieldRow(field).control);
        return false;
    }
    SetFieldText(field, FormatDate(*date, kDateFieldText));
    if (field == AmortField::FirstPayment) {
        PaymentDate = *date;
        return true;
    }
    std::optional<Date> first = ParseDate(txtPymt1.text);
    if (!first || *first > *date) {
        return true;
    }
    if (optFreq == kSemiMonthly) {
        EnsurePairDays(state_.SemiMonthly);
        state_.SemiMonthly[3] = DayOf(*first) == state_.SemiMonthly[1] ? 1 : 2;
        AdvancePastFunding(*date, true);
        ui_.MsgBox({std::string(kVerifyNewDate), "ADJUSTMENT MADE...", MsgButtons::Ok,
                    MsgIcon::Information, 1});
    } else {
        ui_.MsgBox(
            {std::string(kLaterThanFunding), "REMINDER", MsgButtons::Ok, MsgIcon::Information, 1});
    }
    Focus(AmortControl::txtPymt1);
    return true;
}

void AmortFormModel::SelectSemiMonthlyDates(bool moveFocusOn, std::string_view nextControl) {
    TakePairFromList(cboSemiMthly.listIndex, state_.SemiMonthly);
    if (moveFocusOn && Tag != AmortFormTag::LoadingFile && !IsStyleOption(nextControl)) {
        Focus(AmortControl::txtPymt);
    }
}

void AmortFormModel::SnapToDueDay(SnapCaller caller) {
    if (optFreq != kSemiMonthly) {
        return;
    }
    std::optional<Date> first = ParseDate(txtPymt1.text);
    std::optional<Date> funding = ParseDate(txtStartDt.text);
    if (!first || !funding) {
        return;
    }
    EnsurePairDays(state_.SemiMonthly);
    bool fromPairList = caller == SnapCaller::PairList;
    if (OnDueDayPair(*first, state_.SemiMonthly)) {
        if (fromPairList && *first <= *funding) {
            ui_.MsgBox({std::string(kLaterThanFunding), "REMINDER", MsgButtons::Ok,
                        MsgIcon::Information, 1});
            Focus(AmortControl::txtPymt1);
        }
        return;
    }
    SemiMonthlyChoice& choice = state_.SemiMonthly;
    choice[3] = choice[1] > DayOf(*funding) ? 1 : 2;
    SetFirstPaymentDate(BuildDate(YearOf(*funding), MonthOf(*funding), choice[choice[3]]));
    AdvancePastFunding(*funding, fromPairList);
    if (fromPairList) {
        ui_.MsgBox({std::string(kVerifyNewDate), "ADJUSTMENT MADE...", MsgButtons::Ok,
                    MsgIcon::Information, 1});
        Focus(AmortControl::txtPymt1);
        Focus(AmortControl::txtPymt);
    }
}

void AmortFormModel::DefaultFirstPaymentDate() {
    if (Trim(txtStartDt.text).empty()) {
        SetFieldText(AmortField::FundingDate, FormatDate(Today(), kDateFieldText));
    }
    if (NumericValue(txtPymt1.text) == 0) {
        SetFirstPaymentDate(TodayPlusOnePeriod());
    }
    DueDatePairCaptions.assign(kDueDatePairCaptions.begin(), kDueDatePairCaptions.end());
    cboSemiMthly.list = DueDatePairCaptions;
    if (optFreq != kSemiMonthly) {
        cboSemiMthly.listIndex = -1;
        cboSemiMthly.visible = false;
        return;
    }
    SemiMonthlyChoice& choice = state_.SemiMonthly;
    if (choice[0] == 0) {
        choice[0] = state_.DefaultSemiMonthlyDates != 0 ? state_.DefaultSemiMonthlyDates : 1;
    }
    cboSemiMthly.listIndex = choice[0] >= 1 && choice[0] <= 4 ? choice[0] - 1 : 0;
    cboSemiMthly.visible = true;
    SelectSemiMonthlyDates(true);
    SnapToDueDay(SnapCaller::FormDefaults);
}

void AmortFormModel::ComputedFirstPaymentDate() {
    Date computed =
        quorvia::ComputedFirstPaymentDate(Today(), optFreq, optCalc == 1, state_.SemiMonthly);
    ComputedDateText = FormatDate(computed, kDateFieldText);
}

void AmortFormModel::cboSemiMthly_LostFocus(std::string_view nextControl) {
    // The list only means something for a semi-monthly loan; for any other the stored pair is
    // kept for a later switch and no date moves.
    if (optFreq != kSemiMonthly) {
        return;
    }
    // The pair is always taken from the list, so that validation never works with an old one;
    // only the date check is skipped.
    bool check = !WarningShown && !IsStyleOption(nextControl);
    WarningShown = false;
    SelectSemiMonthlyDates(check, nextControl);
    if (check) {
        SnapToDueDay(SnapCaller::PairList);
    }
}

void AmortFormModel::SwitchToExactDays() {
    optCalc = 1;
    if (PaymentDate.ok()) {
        SetFirstPaymentDate(PaymentDate);
    }
    ShowStartField(true, kFundingLabel);
    if (CalcFrameTag != 1) {
        state_.InputUnsaved = true;
    }
    CalcFrameTag = 1;
}

void AmortFormModel::optFreq_LostFocus(std::string_view nextControl) {
    int frequency = optFreq;
    if (frequency != FrequencyFrameTag) {
        state_.InputUnsaved = true;
    }
    FrequencyFrameTag = frequency;
    if (frequency != kSemiMonthly) {
        cboSemiMthly.visible = false;
    }
    if (WarningShown) {
        WarningShown = false;
        return;
    }
    if (IsStyleOption(nextControl)) {
        return;
    }
    bool conflict = (frequency == kBiWeekly || frequency == kSemiMonthly) && optCalc == 0;
    if (conflict) {
        ui_.Beep();
        MsgAnswer answer = ui_.MsgBox({std::string(kNeedsExactDays), "CONFLICTING OPTIONS",
                                       MsgButtons::YesNo, MsgIcon::Question, 1});
        if (answer != MsgAnswer::Yes) {
            WarningShown = true;
            Focus(AmortControl::optFreq, FrequencyOf(state_.DefaultFrequency).index);
            return;
        }
        SwitchToExactDays();
        if (frequency == kBiWeekly) {
            Focus(AmortControl::txtPymt1);
        }
    }
    if (frequency == kBiWeekly) {
        CheckBiWeeklyFirstPayment(!conflict);
    }
}

// Bi-weekly payments are 14 days apart, so the first one is expected 14 days after funding.
void AmortFormModel::CheckBiWeeklyFirstPayment(bool focusFirstPayment) {
    std::optional<Date> first = ParseDate(txtPymt1.text);
    std::optional<Date> funding = ParseDate(txtStartDt.text);
    if (!first || !funding || DaysBetween(*funding, *first) == 14) {
        return;
    }
    if (*first <= *funding) {
        ui_.MsgBox(
            {std::string(kLaterThanFunding), "WARNING", MsgButtons::Ok, MsgIcon::Information, 1});
    } else {
        ui_.MsgBox({"Please verify 1st payment date.", "REMINDER", MsgButtons::Ok,
                    MsgIcon::Information, 1});
    }
    if (focusFirstPayment) {
        Focus(AmortControl::txtPymt1);
    }
    Focus(AmortControl::txtPymt);
}

}  // namespace quorvia
