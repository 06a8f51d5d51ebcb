#include "core/disclosure/DisclosureFormModel.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "core/base/EntryNumbers.h"
#include "core/base/KeyCodes.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/disclosure/DisclosurePage.h"
#include "core/loanfile/LoanFileCommands.h"
#include "core/printing/ReplaceQuestion.h"
#include "core/reports/ReportFileName.h"

namespace quorvia {

namespace {

constexpr std::string_view kNameStatus =
    "Describe the prepaid finance charge (e.g.: Points, Origination fee)";
constexpr std::string_view kAmountStatus =
    "Enter the amount of this finance charge paid at or before closing (e.g.: 2000)";
constexpr std::string_view kFormStatus =
    "The APR counts the prepaid finance charges; the note rate is the loan's interest rate";

// Ask before replacing a file, in a folder that exists.
constexpr int16_t kConfirmOverwritePathMustExist = 6;

std::string ChargeControl(std::string_view kind, std::size_t index) {
    return std::string(kind) + "(" + std::to_string(index) + ")";
}

std::string AmountFieldText(double amount) {
    return FormatNumber(amount, "###,###,##0.00");
}

bool EndsWithPdf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return name.size() > 4 && EqualsIgnoreCase(name.substr(name.size() - 4), ".pdf");
}

}  // namespace

std::string DisclosureFormModel::ChargeNameControl(std::size_t index) {
    return ChargeControl("txtChargeName", index);
}

std::string DisclosureFormModel::ChargeAmountControl(std::size_t index) {
    return ChargeControl("txtChargeAmount", index);
}

DisclosureFormModel::DisclosureFormModel(AppState& state, Ui& ui, DisclosureOutputs outputs,
                                         const AmortInputs& loan, const Schedule& schedule)
    : state_(state),
      ui_(ui),
      outputs_(std::move(outputs)),
      borrower_(Trim(loan.BorrowerName)),
      disclosure_(loan, schedule) {}

void DisclosureFormModel::Form_Load() {
    Charges = {{"Points", AmountFieldText(0)}, {"Origination fee", AmountFieldText(0)}};
    PaymentSchedule = disclosure_.PaymentSchedule();
    lblNoteRate = NoteRateText(disclosure_.NoteRate());
    StatusText = kFormStatus;
    UpdateButtons();
    if (std::optional<std::string> refusal = TakeCharges()) {
        ui_.MsgBox({*refusal, std::string(kCaption), MsgButtons::Ok, MsgIcon::Exclamation});
        return;
    }
    ShowFigures();
}

std::string DisclosureFormModel::ChargeLabel(std::size_t index) const {
    const std::string description = Trim(Charges[index - 1].description);
    return description.empty() ? "Other charge" : description;
}

std::optional<std::string> DisclosureFormModel::TakeCharges() {
    disclosure_.prepaidCharges.clear();
    for (std::size_t index = 1; index <= Charges.size(); ++index) {
        std::optional<double> amount = AmountValue(Charges[index - 1].amount);
        disclosure_.prepaidCharges.push_back(
            {ChargeLabel(index), amount.value_or(std::numeric_limits<double>::quiet_NaN())});
    }
    return disclosure_.Compute();
}

void DisclosureFormModel::ShowFigures() {
    Boxes = BoxFigures(disclosure_.Figures());
    lblPrepaidTotal = DollarText(disclosure_.PrepaidTotal());
}

void DisclosureFormModel::UpdateButtons() {
    cmdAddEnabled = Charges.size() < kMostCharges;
    cmdRemoveEnabled = !Charges.empty();
}

void DisclosureFormModel::Refuse(const std::string& message, const std::string& control) {
    ui_.Beep();
    ui_.MsgBox({message, std::string(kMessageTitle), MsgButtons::Ok, MsgIcon::Exclamation});
    ui_.SetFocus(control);
}

// The charges as they stand, or the person told why not with the focus on the amount to mend.
bool DisclosureFormModel::ChargesStand() {
    std::optional<std::string> refusal = TakeCharges();
    if (!refusal) {
        ShowFigures();
        return true;
    }
    if (disclosure_.PrepaidChargesError()) {
        Refuse(*refusal, ChargeAmountControl(std::max<std::size_t>(current_.charge, 1)));
    } else {
        ui_.MsgBox({*refusal, std::string(kCaption), MsgButtons::Ok, MsgIcon::Exclamation});
    }
    return false;
}

std::string* DisclosureFormModel::TextOf(Field field) {
    if (field.charge == 0 || field.charge > Charges.size()) {
        return nullptr;
    }
    ChargeEntry& entry = Charges[field.charge - 1];
    return field.amount ? &entry.amount : &entry.description;
}

std::string DisclosureFormModel::ControlOf(Field field) const {
    return field.amount ? ChargeAmountControl(field.charge) : ChargeNameControl(field.charge);
}

void DisclosureFormModel::Arrived(Field field, std::string_view status) {
    current_ = field;
    textOnArrival_ = *TextOf(field);
    StatusText = status;
    ui_.SelectAllText();
}

void DisclosureFormModel::txtChargeName_GotFocus(std::size_t index) {
    Arrived({index, false}, kNameStatus);
}

void DisclosureFormModel::txtChargeAmount_GotFocus(std::size_t index) {
    Arrived({index, true}, kAmountStatus);
}

void DisclosureFormModel::txtChargeName_LostFocus(std::size_t index) {
    std::string& description = Charges[index - 1].description;
    description = Trim(description);
    // The description names the charge in the messages and on the page.
    if (!TakeCharges()) {
        ShowFigures();
    }
}

void DisclosureFormModel::txtChargeAmount_LostFocus(std::size_t index,
                                                    std::string_view nextControl) {
    if (nextControl == "cmdClose" || index > Charges.size()) {
        return;
    }
    std::string& text = Charges[index - 1].amount;
    std::optional<double> amount = AmountValue(text);
    if (amount && *amount >= 0 && std::isfinite(*amount)) {
        text = AmountFieldText(*amount);
    }
    current_ = {index, true};
    ChargesStand();
}

bool DisclosureFormModel::txtCharge_KeyPress(int key) {
    std::string* text = TextOf(current_);
    if (text == nullptr) {
        return false;
    }
    if (key == key_code::kEsc) {
        *text = textOnArrival_;
        ui_.SelectAllText();
        return true;
    }
    if (key != key_code::kEnter) {
        return false;
    }
    if (!current_.amount) {
        ui_.SetFocus(ChargeAmountControl(current_.charge));
    } else if (current_.charge < Charges.size()) {
        ui_.SetFocus(ChargeNameControl(current_.charge + 1));
    } else {
        ui_.SetFocus("cmdPrint");
    }
    return true;
}

void DisclosureFormModel::cmdAdd_Click() {
    if (Charges.size() >= kMostCharges) {
        return;
    }
    Charges.push_back({"", AmountFieldText(0)});
    UpdateButtons();
    ui_.SetFocus(ChargeNameControl(Charges.size()));
}

// Takes away the charge the person was at last, else the last one.
void DisclosureFormModel::cmdRemove_Click() {
    if (Charges.empty()) {
        return;
    }
    std::size_t index = current_.charge >= 1 && current_.charge <= Charges.size() ? current_.charge
                                                                                  : Charges.size();
    Charges.erase(Charges.begin() + static_cast<std::ptrdiff_t>(index - 1));
    current_ = {};
    UpdateButtons();
    if (ChargesStand()) {
        ui_.SetFocus(Charges.empty() ? "cmdAdd"
                                     : ChargeAmountControl(std::min(index, Charges.size())));
    }
}

void DisclosureFormModel::ComposePage(ReportDocument& document) const {
    ComposeDisclosurePage(document, state_, disclosure_, borrower_);
}

void DisclosureFormModel::cmdPrint_Click() {
    if (!ChargesStand()) {
        return;
    }
    PrintOwnPage(ui_, outputs_.printers, outputs_.printDialog, outputs_.printOutput,
                 ProposedPdf(state_, DocumentPdfName(borrower_, kCaption)),
                 [this](const PrintChoice& choice) {
                     // Laid out on the paper and orientation the dialog leaves.
                     ReportDocument document(outputs_.metrics);
                     ComposePage(document);
                     return PrintComposedReport(ui_, document, outputs_.printOutput, choice);
                 });
}

void DisclosureFormModel::cmdSave_Click() {
    if (!ChargesStand()) {
        return;
    }
    while (!SaveOnce()) {
    }
}

// False when the person is to choose again.
bool DisclosureFormModel::SaveOnce() {
    CDialog& dialog = outputs_.fileDialog;
    const std::filesystem::path proposed(ProposedPdf(state_, DocumentPdfName(borrower_, kCaption)));
    dialog.CancelError = false;
    dialog.CustomFilter.clear();
    dialog.Filter.clear();
    dialog.AddFilter("PDF files", "*.pdf");
    dialog.FilterIndex = 1;
    dialog.DefaultExt.clear();
    dialog.Filename = proposed.filename().string();
    dialog.Flags = kOfnHideReadOnly;
    dialog.SetFileMustExist(kConfirmOverwritePathMustExist);
    dialog.DialogTitle = "Save Disclosure as PDF";
    dialog.InitDir =
        proposed.has_parent_path() ? proposed.parent_path().string() : outputs_.documentsFolder;
    if (!dialog.ShowSave()) {
        return true;
    }
    const std::string chosen = dialog.SelectedFile(1);
    const std::string path = EndsWithPdf(chosen) ? chosen : chosen + ".pdf";
    if (path != chosen && !MayReplaceFile(ui_, path)) {
        return false;
    }
    std::optional<RunError> error;
    {
        Hourglass busy(ui_);
        ReportDocument document(outputs_.metrics);
        ComposePage(document);
        error = outputs_.writePdf(document, path);
    }
    if (error) {
        ShowFileError(ui_, "Error saving", path, *error);
    }
    return true;
}

void DisclosureFormModel::cmdClose_Click() {
    Hidden = true;
}

}  // namespace quorvia
