#pragma once
// The Truth-in-Lending Disclosure window (Disclosure) of a computed schedule: the four boxes, the
// note rate beside the APR, the payment schedule in groups and the prepaid finance charges as a
// short itemized list the person edits (points, an origination fee, others), with Print and Save
// as PDF of the one-page disclosure.
//
// Every change of a charge works the figures out again. A charge's amount is checked when the
// person leaves it: an amount that cannot stand, or charges that together reach the loan amount,
// are told, and the focus goes back to the amount as typed; the boxes keep the figures of the
// last charges that stood. Leaving for Close checks nothing: the window keeps no charges.
//
// The window forwards each event to the handler of the same name and then shows the model's
// state again; it closes when Hidden is set. Focus moves go through Ui::SetFocus.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/disclosure/DisclosureModel.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/reports/ReportDocument.h"
#include "core/reports/ReportPrinting.h"
#include "core/session/AppState.h"

namespace quorvia {

// What printing and saving the page take from the program.
struct DisclosureOutputs {
    PrinterService& printers;
    SharedPDialog& printDialog;
    ReportPrintOutput& printOutput;
    CDialog& fileDialog;
    TextMetrics& metrics;
    // Writes the composed page as a PDF file.
    std::function<std::optional<RunError>(const ReportDocument&, const std::string& path)> writePdf;
    // Where the save dialog starts when the preferences name no data folder.
    std::string documentsFolder;
};

// One prepaid finance charge as its two fields hold it.
struct ChargeEntry {
    std::string description;
    std::string amount;
};

class DisclosureFormModel {
  public:
    static constexpr std::size_t kMostCharges = 6;
    static constexpr std::string_view kCaption = "Truth-in-Lending Disclosure";
    static constexpr std::string_view kMessageTitle = "Prepaid Finance Charges";

    // "txtChargeName(1)", "txtChargeAmount(1)": the fields of the index-th charge, from 1.
    static std::string ChargeNameControl(std::size_t index);
    static std::string ChargeAmountControl(std::size_t index);

    // `loan` is the record as the amortization form handed it to the engine; `schedule` what the
    // engine computed from it.
    DisclosureFormModel(AppState& state, Ui& ui, DisclosureOutputs outputs, const AmortInputs& loan,
                        const Schedule& schedule);

    // The window's state.
    std::vector<ChargeEntry> Charges;
    std::string lblPrepaidTotal;
    // The figures as the four boxes show them, in the order of kDisclosureBoxes.
    std::array<std::string, 4> Boxes;
    std::string lblNoteRate;
    std::vector<std::string> PaymentSchedule;
    std::string StatusText;
    bool cmdAddEnabled = true;
    bool cmdRemoveEnabled = true;
    bool Hidden = false;

    const DisclosureModel& Disclosure() const { return disclosure_; }

    void Form_Load();
    void txtChargeName_GotFocus(std::size_t index);
    void txtChargeAmount_GotFocus(std::size_t index);
    void txtChargeName_LostFocus(std::size_t index);
    void txtChargeAmount_LostFocus(std::size_t index, std::string_view nextControl);
    // Enter moves on along the charges; Esc gives the field back the text it had on arriving.
    bool txtCharge_KeyPress(int key);
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdClose_Click();

    // The page as it prints, composed into `document`.
    void ComposePage(ReportDocument& document) const;

  private:
    // The field the focus is in: a charge from 1, its amount or its description.
    struct Field {
        std::size_t charge = 0;
        bool amount = false;
    };

    void Arrived(Field field, std::string_view status);
    std::string* TextOf(Field field);
    std::string ControlOf(Field field) const;
    // Hands the charges to the disclosure; the message that refuses them, when one does.
    std::optional<std::string> TakeCharges();
    void Recompute();
    void ShowFigures();
    void UpdateButtons();
    void Refuse(const std::string& message, const std::string& control);
    bool ChargesStand();
    bool SaveOnce();
    std::string ChargeLabel(std::size_t index) const;

    AppState& state_;
    Ui& ui_;
    DisclosureOutputs outputs_;
    std::string borrower_;
    DisclosureModel disclosure_;
    // The charge field the focus is in or came from last; charge 0 before any.
    Field current_;
    std::string textOnArrival_;
};

}  // namespace quorvia
