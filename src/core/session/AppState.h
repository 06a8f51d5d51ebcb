#pragma once
// The process-wide state of one run: the program's folders, the open forms, the unsaved-input
// flag, the current loan data file and every preference setting. Created once at start and
// handed to the forms by reference.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/schedule/AmortInputs.h"
#include "core/schedule/WorkFile.h"

namespace quorvia {

inline constexpr std::string_view kIniFileName = "quorvia.ini";
inline constexpr std::string_view kIniSection = "Prefs";

// The main window's tag, between the close questions and File | Save As.
enum class MainWindowTag {
    None,
    // Save As closes the amortization form after saving.
    CloseAmortFormAfterSave,
};

struct AppState {
    // The folder of the profile file: the program's own folder, or for an installed copy the
    // person's configuration folder (ProgramFolders.h).
    std::filesystem::path AppPath;
    std::filesystem::path IniFilePath;
    // Element 1: the amortization form is open; element 2: the calculator is open.
    std::array<bool, 3> FormOpen{};
    bool InputUnsaved = false;
    std::string LoanFilePath;
    // Where the file dialogs start when the preferences name no data folder; the desktop
    // program sets it to the person's documents folder.
    std::filesystem::path DocumentsFolder;
    MainWindowTag MainTag = MainWindowTag::None;

    // Preference settings.
    std::array<std::string, 2> CompanyNames;
    std::string DefaultRate = "0.0000";
    int16_t DefaultFrequency = 1;
    int16_t DefaultSemiMonthlyDates = 1;
    int16_t DefaultFixedPrincipal = 0;
    int16_t DefaultFullPayout = 1;
    int16_t DefaultCalcMethod = 0;
    bool ShowToolTips = true;
    bool NumberPayments = false;
    bool PrintCompanyFooter = false;
    std::string ReportFontName = "Times New Roman";
    std::string ReportFontStyle = "Normal";
    float ReportFontSize = 12;
    // The font in force: name, size as number text (" 12"), style.
    std::array<std::string, 3> CurrentReportFont{"Times New Roman", " 12", "Normal"};
    std::string DataDrive;
    std::string DataDirectory;
    std::string ReportPrinter;
    int16_t ReportStyle = 0;

    SemiMonthlyChoice SemiMonthly{};

    // The check mark of Help | Show Tool Tips, started from ShowToolTips.
    bool ToolTipsChecked = true;
    // The zoom list index the preview window opened at last; 0 counts as unset.
    int16_t ZoomIndex = 0;
    // Page set-up handed to and from the printer dialog.
    int16_t PrintOrientation = 0;
    int16_t PrintPaperSize = 0;

    // Where the schedule work file is written; AppPath when empty. The desktop program uses its
    // cache folder, the batch tool a folder of each run's own.
    std::filesystem::path WorkFileFolder;

    std::filesystem::path WorkFilePath() const {
        return (WorkFileFolder.empty() ? AppPath : WorkFileFolder) / std::string(kWorkFileName);
    }
};

}  // namespace quorvia
