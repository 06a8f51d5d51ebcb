#include "core/preferences/PrefsModel.h"

#include <exception>
#include <map>
#include <utility>

#include "core/amortization/PaymentDates.h"
#include "core/base/NumberText.h"
#include "core/base/ProfileFile.h"
#include "core/base/Text.h"
#include "core/preferences/PrinterChoice.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ReportFont.h"

namespace quorvia {

namespace {

constexpr int kExactDays = 1;

const std::map<std::string_view, std::string_view, std::less<>>& HelpTexts() {
    static const std::map<std::string_view, std::string_view, std::less<>> texts{
        {"txtRate",
         "Enter the default annual interest rate (note rate) in the format 'xx.xxxx' (e.g.: "
         "10.75)"},
        {"optFreq", "Select the default frequency of scheduled loan payments"},
        {"optFreq(5)", "Payments every two weeks: interest must be calculated on exact days"},
        {"optFreq(6)", "Payments twice a month: interest must be calculated on exact days"},
        {"cboSemiMthly", "Select the two days of the month that semi-monthly payments fall on"},
        {"chkNbrPymts", "Print a number beside each payment on the schedule"},
        {"optCalc", "Select how interest is calculated: equal 30 day months or exact days"},
        {"chkBalDue", "Pay the remaining balance in full with the last payment"},
        {"chkFix", "Make every payment pay off the same amount of principal"},
        {"chkTips", "Display ToolTips help when mouse is over a command button"},
        {"txtName(0)", "Enter your company name as it should print on the schedules"},
        {"txtName(1)", "Enter your company address, city and state"},
        {"chkFooter", "Print the company name and address at the foot of every schedule page"},
        {"Drive1", "Select the drive (mounted volume) for your saved loan data files"},
        {"Dir1", "Select the folder for your saved loan data files"},
        {"cmdPrtrDefs(0)", "Select the printer to use for Amortization Schedules"},
        {"cmdPrtrDefs(1)", "Select the printer font to use for Amortization Schedules"},
        {"optStyle", "Select the default layout of the Amortization Schedule report"},
        {"btnStyle", "Select the default layout of the Amortization Schedule report"},
        {"cmdSave", "Save your current entries as the program defaults"},
        {"cmdReset", "Reset defaults to the original program settings"},
        {"cmdCancel", "Discard all changes and close this window"},
    };
    return texts;
}

std::string TrueFalse(int checked) {
    return checked != 0 ? "True" : "False";
}

int Checked(int value) {
    return value != 0 ? 1 : 0;
}

std::string AppDrive(const AppState& state) {
    return state.AppPath.string().substr(0, 2);
}

// What the person is told when the stored drive or folder could not be reached; empty when
// both could.
std::string DataPathMessage(const std::optional<RunError>& drive,
                            const std::optional<RunError>& folder) {
    const std::string resetting =
        "could not be accessed.  Resetting to the current application drive and path." +
        std::string(CrLf);
    if (folder) {
        std::string numbers = std::to_string(folder->number);
        if (drive) {
            numbers = std::to_string(drive->number) + "/" + numbers;
        }
        return std::string(drive ? "Your default Drive and/or " : "Your default ") + "Directory " +
               resetting + "[" + numbers + "]";
    }
    if (drive) {
        return "Your default Drive " + resetting + "[" + std::to_string(drive->number) + "]";
    }
    return {};
}

}  // namespace

PrefsModel::PrefsModel(AppState& state, PrinterService& printers, Ui& ui, CDialog& fontDialog,
                       SharedPDialog& printerDialog, DataFolders& folders)
    : PrinterChoiceForm(state, printers, ui, fontDialog, printerDialog), folders_(folders) {}

std::string PrefsModel::OptionName(std::string_view group, int index) {
    return std::string(group) + "(" + std::to_string(index) + ")";
}

std::string_view PrefsModel::HelpText(std::string_view control) {
    const auto& texts = HelpTexts();
    if (auto found = texts.find(control); found != texts.end()) {
        return found->second;
    }
    // The buttons of a group share one text.
    if (auto group = texts.find(control.substr(0, control.find('('))); group != texts.end()) {
        return group->second;
    }
    return {};
}

void PrefsModel::Form_Load() {
    Loading = true;
    pnlStatus.clear();
    cboSemiMthly.list.assign(kDueDatePairCaptions.begin(), kDueDatePairCaptions.end());
    txtName = {Trim(state_.CompanyNames[0]), Trim(state_.CompanyNames[1])};
    txtRate = Trim(state_.DefaultRate);
    optFreq =
        state_.DefaultFrequency >= 1 && state_.DefaultFrequency <= 6 ? state_.DefaultFrequency : 0;
    int pair = state_.DefaultSemiMonthlyDates - 1;
    cboSemiMthly.listIndex = pair >= 0 && pair < 4 ? pair : -1;
    cboSemiMthly.enabled = optFreq == kSemiMonthly;
    chkFix = Checked(state_.DefaultFixedPrincipal);
    chkBalDue = Checked(state_.DefaultFullPayout);
    optCalc = state_.DefaultCalcMethod == 0 || state_.DefaultCalcMethod == 1
                  ? state_.DefaultCalcMethod
                  : -1;
    chkNbrPymts = state_.NumberPayments ? 1 : 0;
    chkFooter = state_.PrintCompanyFooter ? 1 : 0;
    chkTips = state_.ShowToolTips ? 1 : 0;
    Drive1List = folders_.Volumes();
    ChooseDataPath();

    if (Trim(state_.ReportFontName).empty()) {
        state_.ReportFontName = "Times New Roman";
        state_.ReportFontStyle = "Normal";
        state_.ReportFontSize = 12;
        SetCurrentReportFont(state_);
    }
    OpeningFont = {state_.ReportFontName, FontSizeText(state_.ReportFontSize),
                   state_.ReportFontStyle};

    std::string printer = Trim(state_.ReportPrinter);
    if (printer.empty() || printer == "0") {
        state_.ReportPrinter = CurrentPrinterIdentity(printers_);
    }
    if (state_.ReportPrinter.empty()) {
        ShowNoPrinter();
        lblFontName = kNoFontLabel;
    } else {
        ShowPrinter(state_.ReportPrinter);
        lblFontName = ReportFontLabel(state_);
    }
    PendingPrinter = state_.ReportPrinter;

    if (state_.ReportStyle < 0 || state_.ReportStyle > 3) {
        state_.ReportStyle = 0;
    }
    optStyle = state_.ReportStyle;
    PendingStyle = optStyle;

    Tab = kGeneralTab;
    Loading = false;
    Focus("txtRate");
}

// The stored drive and folder when they can be reached, else the program's own; the person
// is told which of them could not be reached and why.
void PrefsModel::ChooseDataPath() {
    std::string drive = Trim(state_.DataDrive);
    if (drive.empty() || drive == "0") {
        state_.DataDrive = AppDrive(state_);
    }
    if (Trim(state_.DataDirectory).empty()) {
        state_.DataDirectory = state_.AppPath.string();
    }
    RunError error;
    std::optional<RunError> driveError;
    if (!VolumeOf(state_.DataDrive, Drive1List, error)) {
        driveError = error;
        UseProgramFolder();
    }
    std::optional<RunError> folderError = FolderAccessError(state_.DataDirectory);
    if (!folderError && !VolumeOf(state_.DataDirectory, Drive1List, error)) {
        folderError = error;
    }
    if (folderError) {
        UseProgramFolder();
    }
    Dir1_Change(state_.DataDirectory);
    std::string prompt = DataPathMessage(driveError, folderError);
    if (!prompt.empty()) {
        ui_.Beep();
        ui_.MsgBox({prompt, "Default File Path error", MsgButtons::Ok, MsgIcon::Exclamation});
    }
}

void PrefsModel::UseProgramFolder() {
    state_.DataDrive = AppDrive(state_);
    state_.DataDirectory = state_.AppPath.string();
}

void PrefsModel::Form_Activate() {
    ApplyToolTips(state_.ToolTipsChecked);
}

void PrefsModel::ApplyToolTips(bool on) {
    for (std::size_t button = 0; button < kTipButtons.size(); ++button) {
        ToolTips[button] = on ? " " + std::string(HelpText(kTipButtons[button])) + " " : "";
    }
}

void PrefsModel::Control_GotFocus(std::string_view control) {
    bool plainFrequency =
        control.starts_with("optFreq(") && control != "optFreq(5)" && control != "optFreq(6)";
    pnlStatus = plainFrequency ? HelpText("optFreq") : HelpText(control);
}

void PrefsModel::vsTab_Switch(int newTab) {
    Tab = newTab;
    switch (newTab) {
        case kGeneralTab:
            Focus("txtRate");
            break;
        case kCompanyTab:
            Focus("txtName(0)");
            break;
        case kFilesTab:
            Focus("Drive1");
            break;
        default:
            Focus(OptionName("optStyle", optStyle));
            break;
    }
}

void PrefsModel::txtRate_LostFocus() {
    txtRate = FormatNumber(NumericValue(txtRate), "#0.0000");
}

void PrefsModel::optFreq_Click(int index) {
    if (Loading) {
        return;
    }
    optFreq = index;
    if (index != kSemiMonthly) {
        cboSemiMthly.enabled = false;
        return;
    }
    if (optCalc != kExactDays) {
        AskAboutConflict(kSemiMonthly);
        return;
    }
    EnableSemiMonthlyList();
    Focus("cboSemiMthly");
}

void PrefsModel::optFreq_LostFocus(int index, std::string_view nextControl) {
    if (Loading) {
        return;
    }
    if (nextControl.starts_with("optFreq(")) {
        cboSemiMthly.enabled = false;
    }
    // Only the selected option is being left: after a No the selection has moved on already.
    if (index > 4 && index == optFreq && optCalc != kExactDays) {
        AskAboutConflict(index);
    }
}

bool PrefsModel::ConflictResolved() {
    ui_.Beep();
    MsgAnswer answer = ui_.MsgBox(
        {"Bi-weekly and Semi-monthly payment schedules REQUIRE that interest be calculated "
         "using exact number of days.  Do you want to reset the calculation method to 'Exact "
         "Days' now?",
         "CONFLICTING OPTIONS", MsgButtons::YesNo, MsgIcon::Question});
    if (answer != MsgAnswer::Yes) {
        return false;
    }
    optCalc = kExactDays;
    return true;
}

void PrefsModel::AskAboutConflict(int option) {
    if (!ConflictResolved()) {
        optFreq = state_.DefaultFrequency;
        cboSemiMthly.enabled = optFreq == kSemiMonthly;
        Focus(OptionName("optFreq", optFreq));
        return;
    }
    if (option == kSemiMonthly) {
        EnableSemiMonthlyList();
        Focus("cboSemiMthly");
    } else {
        cboSemiMthly.enabled = false;
        Focus("chkFix");
    }
}

void PrefsModel::EnableSemiMonthlyList() {
    int pair = state_.SemiMonthly[0] - 1;
    cboSemiMthly.listIndex = pair >= 0 && pair < 4 ? pair : 0;
    cboSemiMthly.enabled = true;
}

void PrefsModel::optCalc_Click(int index) {
    optCalc = index;
}

void PrefsModel::cboSemiMthly_GotFocus() {
    Control_GotFocus("cboSemiMthly");
    if (!ListDroppedDown) {
        ListDroppedDown = true;
        DropDown = true;
    }
}

void PrefsModel::cboSemiMthly_Click(int listIndex, bool byKeyboard) {
    if (Loading) {
        return;
    }
    cboSemiMthly.listIndex = listIndex;
    KeyboardListChange = byKeyboard;
    if (!byKeyboard) {
        Focus("chkNbrPymts");
    }
}

void PrefsModel::cboSemiMthly_Enter() {
    Focus("chkNbrPymts");
}

void PrefsModel::cboSemiMthly_Escape() {
    Focus("optFreq(6)");
}

void PrefsModel::cboSemiMthly_LostFocus() {
    ChooseDueDatePair(state_.SemiMonthly, cboSemiMthly.listIndex + 1);
    cboSemiMthly.enabled = false;
    ListDroppedDown = false;
    KeyboardListChange = false;
}

void PrefsModel::chkTips_Click(int value) {
    chkTips = value;
    if (!Loading) {
        ApplyToolTips(value != 0);
    }
}

void PrefsModel::Drive1_Change(const std::string& volume) {
    if (Loading) {
        return;
    }
    Drive1 = volume;
    PendingDrive = volume;
    Dir1_Change(volume);
    Focus("Dir1");
}

void PrefsModel::Dir1_Change(const std::string& folder) {
    Dir1 = folder;
    RunError ignored;
    if (std::optional<std::string> volume = VolumeOf(folder, Drive1List, ignored)) {
        Drive1 = *volume;
        PendingDrive = *volume;
    }
    PendingDirectory = folder;
    lblCurrPath = folder;
}

void PrefsModel::optStyle_Click(int index) {
    optStyle = index;
    PendingStyle = index;
}

void PrefsModel::ShowPrinter(const std::string& identity) {
    lblPrtrName = PrinterLabel(identity);
    lblPrtrNameTag.clear();
    cmdFontEnabled = true;
}

void PrefsModel::ShowNoPrinter() {
    lblPrtrName = kNoPrinterLabel;
    lblPrtrNameTag = kNoPrinterTag;
    cmdFontEnabled = false;
}

void PrefsModel::cmdPrtrDefs_Click(int index) {
    if (index == 0) {
        SelectPrinter();
    } else {
        SelectFont();
    }
}

void PrefsModel::SelectPrinter() {
    if (!ShowPrinterSetup(printerDialog_)) {
        std::optional<PrinterInfo> current = printers_.CurrentPrinter();
        ui_.MsgBox({"Default or Previously Chosen Printer (" + (current ? current->device : "") +
                        ") Will Be Used.",
                    "Selection Cancelled", MsgButtons::Ok, MsgIcon::None});
        return;
    }
    std::string chosen = CurrentPrinterIdentity(printers_);
    if (chosen.empty()) {
        ShowNoPrinter();
        return;
    }
    PendingPrinter = chosen;
    ShowPrinter(chosen);
}

void PrefsModel::SelectFont() {
    if (lblPrtrNameTag == kNoPrinterTag) {
        RefuseFontWithoutPrinter(ui_);
        lblFontName = kNoFontLabel;
        return;
    }
    ChooseReportFont(state_, fontDialog_, ui_);
    lblFontName = ReportFontLabel(state_);
}

void PrefsModel::cmdSave_Click() {
    if (optFreq > 4 && optCalc != kExactDays && !ConflictResolved()) {
        Focus(OptionName("optFreq", optFreq));
        return;
    }
    Hourglass hourglass(ui_);
    txtRate_LostFocus();
    std::string failure;
    try {
        if (WritePreferences()) {
            ApplyPreferences();
            Closed = true;
            return;
        }
    } catch (const std::exception& error) {
        failure = std::string(error.what()) + std::string(CrLf);
    }
    ui_.Beep();
    ui_.MsgBox({failure +
                    "Verify that your QUORVIA.INI file is present in your program subdirectory "
                    "and try again. (Or click Cancel to restore previous settings.)",
                "Error During Save", MsgButtons::Ok, MsgIcon::Information});
}

// The twenty keys in their order. A key that cannot be written has been reported by the
// writer; the save stops there, so that the settings never run ahead of the file.
bool PrefsModel::WritePreferences() {
    if (PendingStyle < 0 || PendingStyle > 3) {
        PendingStyle = 0;
    }
    state_.DefaultSemiMonthlyDates = static_cast<int16_t>(cboSemiMthly.listIndex + 1);
    ProfileKeys keys{{"dname", txtName[0]}, {"dnam2", txtName[1]}, {"drate", txtRate}};
    if (optFreq >= 1 && optFreq <= 6) {
        keys.emplace_back("dfreq", std::to_string(optFreq));
    }
    keys.emplace_back("dsmdt", std::to_string(state_.DefaultSemiMonthlyDates));
    keys.emplace_back("dfix", std::to_string(chkFix));
    keys.emplace_back("dfull", std::to_string(chkBalDue));
    if (optCalc == 0 || optCalc == 1) {
        keys.emplace_back("dcalc", std::to_string(optCalc));
    }
    keys.emplace_back("dtips", TrueFalse(chkTips));
    keys.emplace_back("ddrv", PendingDrive);
    keys.emplace_back("ddir", PendingDirectory);
    keys.emplace_back("dnbr", TrueFalse(chkNbrPymts));
    keys.emplace_back("dftr", TrueFalse(chkFooter));
    AddPrinterKeys(keys, PendingPrinter);
    keys.emplace_back("dstyl", std::to_string(PendingStyle));
    return WriteKeys(keys);
}

void PrefsModel::ApplyPreferences() {
    state_.CompanyNames = {Trim(txtName[0]), Trim(txtName[1])};
    state_.DefaultRate = Trim(txtRate);
    if (optFreq >= 1 && optFreq <= 6) {
        state_.DefaultFrequency = static_cast<int16_t>(optFreq);
    }
    state_.DefaultFixedPrincipal = static_cast<int16_t>(chkFix);
    state_.DefaultFullPayout = static_cast<int16_t>(chkBalDue);
    if (optCalc == 0 || optCalc == 1) {
        state_.DefaultCalcMethod = static_cast<int16_t>(optCalc);
    }
    state_.NumberPayments = chkNbrPymts != 0;
    state_.PrintCompanyFooter = chkFooter != 0;
    state_.ShowToolTips = chkTips != 0;
    if (state_.ShowToolTips) {
        state_.ToolTipsChecked = true;
    }
    state_.DataDrive = PendingDrive;
    state_.DataDirectory = PendingDirectory;
    state_.ReportPrinter = PendingPrinter;
    state_.ReportStyle = static_cast<int16_t>(PendingStyle);
    SetCurrentReportFont(state_);
}

void PrefsModel::cmdCancel_Click() {
    Closed = true;
    openingPageSetup_.Restore(state_);
    if (state_.ReportFontName != OpeningFont[0] ||
        FontSizeText(state_.ReportFontSize) != OpeningFont[1] ||
        state_.ReportFontStyle != OpeningFont[2]) {
        RestoreOpeningFont();
    }
}

void PrefsModel::RestoreOpeningFont() {
    state_.ReportFontName = OpeningFont[0];
    state_.ReportFontSize = static_cast<float>(NumericValue(OpeningFont[1]));
    state_.ReportFontStyle = OpeningFont[2];
}

void PrefsModel::cmdReset_Click() {
    MsgAnswer answer =
        ui_.MsgBox({"Do you really want to reset ALL defaults to the original program settings?",
                    "PLEASE CONFIRM ACTION", MsgButtons::YesNo, MsgIcon::Question, 2});
    if (answer == MsgAnswer::Yes) {
        ResetControls();
    }
    Focus("txtName(0)");
}

void PrefsModel::ResetControls() {
    txtName = {"", ""};
    txtRate = "0.0000";
    optFreq = kMonthly;
    cboSemiMthly.listIndex = 0;
    cboSemiMthly.enabled = false;
    chkFix = 0;
    chkBalDue = 1;
    optCalc = 0;
    chkTips = 1;
    state_.ShowToolTips = true;
    state_.ToolTipsChecked = true;
    ApplyToolTips(true);
    chkNbrPymts = 0;
    chkFooter = 1;
    Dir1_Change(state_.DataDirectory);
    if (Trim(state_.ReportPrinter).empty()) {
        ShowNoPrinter();
        lblFontName = kNoFontLabel;
    } else {
        ShowPrinter(state_.ReportPrinter);
        RestoreOpeningFont();
        lblFontName = ReportFontLabel(state_);
    }
    optStyle_Click(0);
    PendingPrinter = state_.ReportPrinter;
}

}  // namespace quorvia
