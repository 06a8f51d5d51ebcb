#pragma once
// The report font: its working copy (ReportFontName, ReportFontSize, ReportFontStyle), the font
// in force (CurrentReportFont), and the choice of a new one through the font dialog.

#include <string>

#include "core/base/Ui.h"
#include "core/printing/CDialogService.h"
#include "core/session/AppState.h"

namespace quorvia {

// The size as the profile file keeps it: a decimal without a leading blank ("12", "10.5").
std::string FontSizeText(float size);

// The working copy becomes the font in force.
void SetCurrentReportFont(AppState& state);
// The working copy goes back to the font in force.
void RestoreReportFont(AppState& state);

// "Times New Roman - 12 pt. - Normal"
std::string ReportFontLabel(const AppState& state);

// The advice on printer fonts, then the font dialog on the working copy (8 to 14 points, the
// printer's fonts). A chosen font becomes the working copy: bold or normal (italic is refused
// with a note), and a printer font named with its pitch gets the size that pitch prints at.
// False when the person cancelled or the dialog failed. A failed dialog while the working copy
// has no font name says a font must be chosen ("NO FONT CHOSEN") and offers the dialog again.
bool ChooseReportFont(AppState& state, CDialog& fontDialog, Ui& ui);

}  // namespace quorvia
