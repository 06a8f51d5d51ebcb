#pragma once
// File | Open, File | Save and File | Save As of the main window: the file dialogs, the
// questions and messages around them, and loading into or saving from the amortization form.

#include <string>

#include "core/amortization/AmortFormModel.h"
#include "core/base/Ui.h"
#include "core/printing/CDialogService.h"
#include "core/session/AppState.h"
#include "core/session/SaveQuestion.h"

namespace quorvia {

// What the file commands ask of the main window.
class LoanFileWindows {
  public:
    virtual ~LoanFileWindows() = default;
    // The open amortization form, or nullptr.
    virtual AmortFormModel* AmortForm() = 0;
    // Opens the amortization form as the Amortization command does (or brings the open one
    // forward) and returns it.
    virtual AmortFormModel& ShowAmortForm() = 0;
    virtual void UnloadAmortForm() = 0;
};

inline constexpr std::string_view kUnsavedDataQuestion =
    "You have not saved your current data.  Do you want to do so now?";

class LoanFileMenu {
  public:
    LoanFileMenu(AppState& state, Ui& ui, CDialog& dialog, LoanFileWindows& windows)
        : state_(state), ui_(ui), dialog_(dialog), windows_(windows) {}

    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    // Opens a file named outside the dialog (on the command line) as File | Open opens the
    // file chosen in its dialog, with the same messages; a file that is not a loan data file
    // leads to the Open dialog.
    void OpenNamedFile(const std::string& path);
    // Opens a file handed over by a later copy of the program, after File | Open's question
    // about unsaved input.
    void OpenHandedOverFile(const std::string& path);

  private:
    // File | Open's question about unsaved input: whether the input may be replaced now. Yes
    // runs Save As; the command then stops, or with GoOn goes on once the input is saved.
    bool MayReplaceInput(AfterSaving afterSaving);
    void ChooseAndOpen();
    // Each returns false when the person is to choose again.
    bool OpenOnce();
    bool OpenChosenFile(const std::string& path, std::string_view fileName,
                        std::string_view extension);
    bool SaveAsOnce(bool& saved);
    bool AmortFormActive();
    void LoadChosenFile();
    void SetUpDialog(std::string_view title, std::string fileName, uint32_t flags,
                     int16_t mustExist, std::string initDir);

    AppState& state_;
    Ui& ui_;
    CDialog& dialog_;
    LoanFileWindows& windows_;
};

}  // namespace quorvia
