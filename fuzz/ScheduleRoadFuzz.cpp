// The whole road of one schedule: field texts typed into the amortization form, validation
// (every question answered Yes) and the engine writing the work file. Every amount the engine
// writes must be a finite number.
//
// Input, one piece a line: the choices (interest method, frequency, due-day pair, fixed
// principal, full payout, numbered payments, report style, then two bytes moving today on
// from March 10, 1998), then the texts of the funding date, first payment, odd days, name,
// amount, rate, term, payment and interest-free payments. A field whose line is empty or
// missing is left as the form fills it in.

#include <cmath>

#include "FuzzSupport.h"
#include "core/amortization/AmortFormModel.h"
#include "core/base/NumberText.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/WorkFile.h"
#include "core/session/AppState.h"
#include "support/ScriptedUi.h"

namespace {

using namespace quorvia;

bool IsMarker(std::string_view field) {
    return field == work_marker::kYearTotal || field == work_marker::kTotals ||
           field == work_marker::kFooter || field == work_marker::kNewPage;
}

// An amount column of the work file: blank, or a number with grouping commas and maybe the
// star of a year's interest.
void CheckAmountText(const std::string& field, const std::string& line) {
    for (char c : field) {
        QUORVIA_FUZZ_CHECK(
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == ',' || c == '*' || c == ' ',
            line);
    }
}

void CheckWorkFile(const std::filesystem::path& file) {
    WorkFileReader reader;
    std::optional<RunError> opened = reader.Open(file);
    QUORVIA_FUZZ_CHECK(!opened, opened->description);
    WorkFileRecord record;
    while (!reader.AtEnd()) {
        std::optional<RunError> error = reader.Read(record);
        QUORVIA_FUZZ_CHECK(!error, error->description);
        if (IsMarker(record.fields[0])) {
            continue;
        }
        for (std::size_t i = 1; i < record.fields.size(); ++i) {
            CheckAmountText(record.fields[i], EncodeWorkRecord(record.fields));
        }
    }
}

// Every payment's amounts are finite, and so are their sums, which the year subtotals and
// the totals are made of (formatting would show an infinite total as the largest number).
void CheckRows(const Schedule& schedule) {
    double sums[3] = {0, 0, 0};
    for (const PaymentRow& row : schedule.rows) {
        QUORVIA_FUZZ_CHECK(std::isfinite(row.payment) && std::isfinite(row.interest) &&
                               std::isfinite(row.principal) && std::isfinite(row.balance),
                           "payment " + std::to_string(row.number) + ": " +
                               std::to_string(row.payment) + " " + std::to_string(row.interest) +
                               " " + std::to_string(row.principal) + " " +
                               std::to_string(row.balance));
        sums[0] += std::fabs(row.payment);
        sums[1] += std::fabs(row.interest);
        sums[2] += std::fabs(row.principal);
    }
    QUORVIA_FUZZ_CHECK(std::isfinite(sums[0]) && std::isfinite(sums[1]) && std::isfinite(sums[2]),
                       "the totals of " + std::to_string(schedule.rows.size()) + " payments");
    const ScheduleTotals& totals = schedule.totals;
    QUORVIA_FUZZ_CHECK(std::isfinite(totals.payments) && std::isfinite(totals.interest) &&
                           std::isfinite(totals.principal),
                       "the totals");
    QUORVIA_FUZZ_CHECK(std::isfinite(schedule.remainingBalance),
                       std::to_string(schedule.remainingBalance));
}

// Runs the engine as the batch tool does and checks what it wrote.
class CheckingRunner : public ScheduleRunner {
  public:
    explicit CheckingRunner(AppState& state) : state_(state) {}

    void ComputeSchedule(AmortInputs& inputs) override {
        Schedule schedule;
        if (WriteSchedule(inputs, state_.SemiMonthly, state_.WorkFilePath(), nullptr, &schedule)) {
            return;
        }
        CheckRows(schedule);
        CheckWorkFile(state_.WorkFilePath());
    }

  private:
    AppState& state_;
};

class NoHost : public AmortFormHost {
  public:
    void QueueFileSaveAs() override {}
    void UnloadAmortForm() override {}
    void UpdateMainCommands() override {}
};

void Type(AmortFormModel& form, AmortField field, std::string_view text) {
    form.Field_GotFocus(field);
    form.SetFieldText(field, std::string(text));
    form.Field_LostFocus(field, "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    std::string_view line = input.Line();
    fuzz::FuzzInput choices(reinterpret_cast<const uint8_t*>(line.data()), line.size());
    int method = choices.Choice(0, 1);
    int frequency = choices.Choice(1, 6);
    int pair = choices.Choice(1, 4);
    int fixed = choices.Choice(0, 1);
    int full = choices.Choice(0, 1);
    int numbered = choices.Choice(0, 1);
    int style = choices.Choice(0, 3);
    const Date today = AddDays(MakeDate(1998, 3, 10), choices.Count(0, 20000));

    AppState state;
    state.AppPath = fuzz::ScratchFolder();
    ScriptedUi ui;
    ui.SetFallbackAnswer(MsgAnswer::Yes);
    CheckingRunner runner(state);
    NoHost host;
    AmortFormModel form(
        state, ui, [today] { return today; }, runner, host);
    state.FormOpen[1] = true;
    form.Form_Load();
    form.Form_Activate();

    form.optCalc_Click(method);
    form.optCalc_LostFocus();
    auto typeNext = [&](AmortField field) {
        if (std::string_view text = input.Line(); !text.empty()) {
            Type(form, field, text);
        }
    };
    typeNext(AmortField::FundingDate);
    typeNext(AmortField::FirstPayment);
    form.optFreq_Click(frequency);
    form.optFreq_LostFocus("");
    if (frequency == kSemiMonthly) {
        form.cboSemiMthly_Click(pair - 1);
        form.cboSemiMthly_LostFocus("");
    }
    for (AmortField field :
         {AmortField::OddDays, AmortField::Name, AmortField::Amount, AmortField::Rate,
          AmortField::Term, AmortField::Payment, AmortField::InterestFree}) {
        typeNext(field);
    }
    form.Check_Click(AmortCheck::Fix, fixed);
    form.Check_Click(AmortCheck::BalDue, full);
    form.Check_Click(AmortCheck::NbrPymts, numbered);
    // As the batch tool does it: "&Okay" on the style tab accepts the style, then the loan.
    form.vsTab_Switch(AmortFormModel::kStyleTab);
    form.optStyle_Click(style);
    form.comOK_Click();
    form.comOK_Click();
    return 0;
}
