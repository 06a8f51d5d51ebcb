#pragma once
// The amortization form's controls by name, and its text fields and check boxes in one table
// each: which control shows them, how a field is tidied and filtered, what the status bar
// says while it has the focus and where Enter moves on to.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvia {

class AmortFormModel;

enum class AmortControl {
    txtName,
    txtAmount,
    txtRate,
    txtTerm,
    txtPymt1,
    txtPymt,
    txtNoInt,
    txtStartDt,
    txtOdd,
    optCalc,  // an option group: its buttons are named with their index, "optCalc(1)"
    optFreq,
    optStyle,
    cboSemiMthly,
    chkFix,
    chkBalDue,
    chkNbrPymts,
    comOK,
    comClr,
    comQuit,
};

// The name Ui::SetFocus and the window know the control by ("txtRate").
std::string_view ControlName(AmortControl control);
// The name of one button of an option group: "optFreq(3)".
std::string OptionName(AmortControl group, int index);

enum class AmortField {
    Name,
    Amount,
    Rate,
    Term,
    FirstPayment,
    Payment,
    InterestFree,
    FundingDate,
    OddDays
};
inline constexpr std::size_t kAmortFieldCount = 9;

enum class AmortCheck { Fix, BalDue, NbrPymts };

struct AmortTextBox {
    std::string text;
    bool visible = true;
    bool enabled = true;
};

// Which keys a field takes.
enum class AmortKeys {
    Any,
    Digits,   // digits and Backspace
    Decimal,  // digits, Backspace and one decimal point
};

struct AmortFieldRow {
    AmortField field;
    AmortControl control;
    AmortTextBox AmortFormModel::*box;
    // The display mask the number is tidied to on leaving the field; kDateFieldText for a
    // date field, which is checked instead; empty for free text.
    std::string_view mask;
    AmortKeys keys;
    std::string_view status;
    // Where Enter moves the focus (an option group: its selected button); none when Enter acts
    // as the Tab key.
    std::optional<AmortControl> enter;
};

struct AmortCheckRow {
    AmortCheck check;
    AmortControl control;
    int AmortFormModel::*value;
    std::string_view status;
};

const AmortFieldRow& FieldRow(AmortField field);
const AmortCheckRow& CheckRow(AmortCheck check);

}  // namespace quorvia
