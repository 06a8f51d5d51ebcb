#include "core/loanfile/LoanFileMenu.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/base/ProfileFile.h"
#include "core/base/Text.h"
#include "core/loanfile/DataFolder.h"
#include "core/loanfile/LoanFile.h"
#include "core/loanfile/LoanFileCommands.h"
#include "core/printing/ReplaceQuestion.h"

namespace quorvia {

namespace {

constexpr std::string_view kFilePattern = "*.qrv";
constexpr uint32_t kOpenFlags = 4096;
constexpr uint32_t kSaveFlags = 2050;
constexpr int16_t kFileAndPathMustExist = 1;
constexpr int16_t kConfirmOverwritePathMustExist = 6;

void ReportUnexpected(Ui& ui, const RunError& error, std::string_view title) {
    ui.MsgBox({error.description + ": " + std::to_string(error.number), std::string(title),
               MsgButtons::Ok, MsgIcon::None, 1});
}

// The extension added to a name typed without one: lower case, as file names are written on
// this system, unless the name itself is typed in capitals ("SMITH" gets ".QRV").
std::string AddedExtension(std::string_view name) {
    bool upper = std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    bool lower = std::any_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return std::string(upper && !lower ? kLoanFileExtension : kFilePattern.substr(1));
}

// A name typed without an extension, or ending in a point, gets one. Only the file's own name
// counts: a point in a folder name ("/home/ann.lee/loan") is no extension.
std::string WithLoanFileExtension(std::string path) {
    std::size_t slash = path.rfind('/');
    std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    std::size_t point = name.find('.');
    std::string extension = AddedExtension(name);
    if (point == std::string_view::npos) {
        path += extension;
    } else if (point + 1 == name.size()) {
        path += extension.substr(1);
    }
    return path;
}

bool HasLoanFileExtension(const std::string& path) {
    return path.size() >= kLoanFileExtension.size() &&
           UpperCase(path.substr(path.size() - kLoanFileExtension.size())) == kLoanFileExtension;
}

}  // namespace

void LoanFileMenu::SetUpDialog(std::string_view title, std::string fileName, uint32_t flags,
                               int16_t mustExist, std::string initDir) {
    dialog_.CancelError = true;
    dialog_.CustomFilter.clear();
    dialog_.Filter.clear();
    dialog_.AddFilter("Quorvia Files ", std::string(kFilePattern));
    dialog_.Filename = std::move(fileName);
    dialog_.Flags = flags;
    dialog_.DialogTitle = std::string(title);
    dialog_.SetFileMustExist(mustExist);
    dialog_.InitDir = std::move(initDir);
}

void LoanFileMenu::mnuFileOpen_Click() {
    if (MayReplaceInput(AfterSaving::Stop)) {
        ChooseAndOpen();
    }
}

// The file was chosen before the question, so a Save As that kept the input goes on to open it.
void LoanFileMenu::OpenHandedOverFile(const std::string& path) {
    if (MayReplaceInput(AfterSaving::GoOn)) {
        OpenNamedFile(path);
    }
}

bool LoanFileMenu::MayReplaceInput(AfterSaving afterSaving) {
    return SaveFirst(state_, ui_, kUnsavedDataQuestion, afterSaving,
                     [this] { mnuFileSaveAs_Click(); });
}

void LoanFileMenu::ChooseAndOpen() {
    try {
        while (!OpenOnce()) {
        }
    } catch (const RaisedRunError& raised) {
        if (raised.Error().number != error_number::kDialogCancelled) {
            ReportUnexpected(ui_, raised.Error(), "Error During Open");
        }
    }
}

bool LoanFileMenu::OpenOnce() {
    SetUpDialog("Open a Quorvia File", std::string(kFilePattern), kOpenFlags, kFileAndPathMustExist,
                SelectDataFolder(state_, ui_));
    if (!dialog_.ShowOpen()) {
        return true;
    }
    std::string path = dialog_.SelectedFile(1);
    std::string_view chosen = path;
    return OpenChosenFile(path, chosen.substr(static_cast<std::size_t>(dialog_.FileOffset)),
                          chosen.substr(static_cast<std::size_t>(dialog_.FileExt)));
}

bool LoanFileMenu::OpenChosenFile(const std::string& path, std::string_view fileName,
                                  std::string_view extension) {
    state_.LoanFilePath = path;
    if (UpperCase(extension) != "QRV") {
        ui_.MsgBox({"The selected file - " + std::string(fileName) +
                        " - is not a Quorvia (.qrv) file.  Please try again.",
                    "Invalid File Type", MsgButtons::Ok, MsgIcon::Exclamation, 1});
        state_.LoanFilePath.clear();
        return false;
    }
    // A file that is there but empty or unreadable is no missing file: the loader says what
    // is wrong with it.
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        ui_.MsgBox({"Cannot find '" + path + "'", "UNABLE TO OPEN FILE", MsgButtons::Ok,
                    MsgIcon::Exclamation, 1});
        state_.LoanFilePath.clear();
        return true;
    }
    LoadChosenFile();
    return true;
}

void LoanFileMenu::OpenNamedFile(const std::string& path) {
    std::size_t slash = path.rfind('/');
    std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    std::size_t point = name.rfind('.');
    std::string_view extension = point == std::string_view::npos ? "" : name.substr(point + 1);
    if (!OpenChosenFile(path, name, extension)) {
        ChooseAndOpen();
    }
}

// The form is filled only from a file read whole; a file that cannot be read is no longer the
// current file, so a later Save does not offer to replace it with other input.
void LoanFileMenu::LoadChosenFile() {
    std::optional<LoanFileEntries> entries = ReadLoanFileEntries(state_.LoanFilePath, state_, ui_);
    if (!entries) {
        state_.LoanFilePath.clear();
        return;
    }
    AmortFormModel& form = windows_.ShowAmortForm();
    Hourglass hourglass(ui_);
    form.FillFromLoanFile(*entries);
}

bool LoanFileMenu::AmortFormActive() {
    if (state_.FormOpen[1] && windows_.AmortForm()) {
        return true;
    }
    ui_.MsgBox({"The Amortization Schedule window must be active to use this feature.",
                "UNABLE TO PROCEED", MsgButtons::Ok, MsgIcon::Information, 1});
    return false;
}

void LoanFileMenu::mnuFileSave_Click() {
    if (!AmortFormActive()) {
        return;
    }
    if (state_.LoanFilePath.empty()) {
        mnuFileSaveAs_Click();
        return;
    }
    if (FileExists(state_.LoanFilePath)) {
        MsgAnswer answer = ui_.MsgBox({"Replace existing file (shown above)?", state_.LoanFilePath,
                                       MsgButtons::YesNo, MsgIcon::Question, 1});
        if (answer != MsgAnswer::Yes) {
            mnuFileSaveAs_Click();
            return;
        }
    }
    SaveLoanFile(state_.LoanFilePath, *windows_.AmortForm(), state_, ui_);
}

// A save asked for by closing the amortization form closes it once the file is written; a save
// that was cancelled or failed leaves the form open and forgets the request, so that a later
// Save As does not close the form.
void LoanFileMenu::mnuFileSaveAs_Click() {
    bool closeAfterSave = state_.MainTag == MainWindowTag::CloseAmortFormAfterSave;
    state_.MainTag = MainWindowTag::None;
    if (!AmortFormActive()) {
        return;
    }
    bool saved = false;
    try {
        while (!SaveAsOnce(saved)) {
        }
    } catch (const RaisedRunError& raised) {
        if (raised.Error().number != error_number::kDialogCancelled) {
            ReportUnexpected(ui_, raised.Error(), "Error During Save");
        }
    }
    if (saved && closeAfterSave) {
        windows_.UnloadAmortForm();
    }
}

// A new loan proposes no name: the pattern only filters the dialog's list, and taken as a name
// it would write a file called "*.qrv".
bool LoanFileMenu::SaveAsOnce(bool& saved) {
    SetUpDialog("Save a Quorvia File", state_.LoanFilePath, kSaveFlags,
                kConfirmOverwritePathMustExist, SelectSaveAsFolder(state_));
    if (!dialog_.ShowSave()) {
        return true;
    }
    std::string chosen = dialog_.SelectedFile(1);
    std::string path = WithLoanFileExtension(chosen);
    if (!HasLoanFileExtension(path)) {
        ui_.Beep();
        ui_.MsgBox({"Files should be saved with the '.QRV' extension.", "ILLEGAL FILE NAME",
                    MsgButtons::Ok, MsgIcon::Exclamation, 1});
        return false;
    }
    if (path != chosen && !MayReplaceFile(ui_, path)) {
        return false;
    }
    state_.LoanFilePath = path;
    saved = SaveLoanFile(path, *windows_.AmortForm(), state_, ui_);
    return true;
}

}  // namespace quorvia
