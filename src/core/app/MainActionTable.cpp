#include "core/app/MainActionTable.h"

#include <array>

namespace quorvia {

namespace {

using enum MainActionKind;
using M = MainWindowModel;

constexpr std::array<MainActionEntry, kMainActionCount> kTable{{
    {MainAction::mnuFile, Menu, "mnuFile", "&File"},
    {MainAction::mnuFileOpen,
     Item,
     "mnuFileOpen",
     "&Open ...",
     &M::mnuFileOpen_Click,
     {},
     false,
     "Ctrl+O"},
    {MainAction::mnuFileSave,
     Item,
     "mnuFileSave",
     "&Save",
     &M::mnuFileSave_Click,
     {},
     false,
     "Ctrl+S"},
    {MainAction::mnuFileSaveAs,
     Item,
     "mnuFileSaveAs",
     "Save &As ...",
     &M::mnuFileSaveAs_Click,
     {},
     false,
     "Ctrl+Shift+S"},
    {MainAction::mnuFilePrint,
     Item,
     "mnuFilePrint",
     "&Print ...",
     &M::mnuFilePrint_Click,
     {},
     false,
     "Ctrl+P"},
    {MainAction::mnuFilePrtSetup, Item, "mnuFilePrtSetup", "Print Se&tup ...",
     &M::mnuFilePrtSetup_Click},
    {MainAction::mnuFileSep1, Separator, "mnuFileSep1", ""},
    {MainAction::mnuFilePref, Item, "mnuFilePref", "P&references ...", &M::mnuFilePref_Click},
    {MainAction::mnuFileSep2, Separator, "mnuFileSep2", ""},
    {MainAction::mnuFileExit,
     Item,
     "mnuFileExit",
     "E&xit",
     &M::mnuFileExit_Click,
     {},
     false,
     "Ctrl+Q"},
    {MainAction::mnuAmort, BarItem, "mnuAmort", " Amorti&zation ", &M::mnuAmort_Click},
    {MainAction::mnuCalc, BarItem, "mnuCalc", " &Loan Calculator ", &M::mnuCalc_Click},
    {MainAction::mnuCompare, BarItem, "mnuCompare", " Compare &Scenarios ", &M::mnuCompare_Click},
    {MainAction::mnuWindow, Menu, "mnuWindow", "&Window"},
    {MainAction::mnuWinClose, Item, "mnuWinClose", "Close &All", &M::mnuWinClose_Click},
    {MainAction::mnuWinTile, Item, "mnuWinTile", "&Tile", &M::mnuWinTile_Click},
    {MainAction::mnuWinCascade, Item, "mnuWinCascade", "&Cascade", &M::mnuWinCascade_Click},
    // The open windows are listed after this line.
    {MainAction::mnuWinSep, Separator, "mnuWinSep", ""},
    // The Help menu comes last on the bar.
    {MainAction::mnuHelp, Menu, "mnuHelp", " &Help "},
    {MainAction::mnuHelpIndex,
     Item,
     "mnuHelpIndex",
     "&Contents",
     &M::mnuHelpIndex_Click,
     {},
     false,
     "F1"},
    {MainAction::mnuHelpSrch, Item, "mnuHelpSrch", "&Search for Help on ...",
     &M::mnuHelpSrch_Click},
    {MainAction::mnuHelpHelp, Item, "mnuHelpHelp", "&How to Use Help", &M::mnuHelpHelp_Click},
    {MainAction::mnuHelpSep, Separator, "mnuHelpSep", ""},
    {MainAction::mnuHelpInfo, Item, "mnuHelpInfo", "&Program Overview", &M::mnuHelpInfo_Click},
    {MainAction::mnuHelpAmort, Item, "mnuHelpAmort", "&Amortization Info", &M::mnuHelpAmort_Click},
    {MainAction::mnuHelpCalc, Item, "mnuHelpCalc", "&Loan Calc Info", &M::mnuHelpCalc_Click},
    {MainAction::mnuHelpSep3, Separator, "mnuHelpSep3", ""},
    {MainAction::mnuHelpTips,
     Item,
     "mnuHelpTips",
     "Show &Tool Tips",
     &M::mnuHelpTips_Click,
     {},
     true},
    {MainAction::mnuHelpSep4, Separator, "mnuHelpSep4", ""},
    {MainAction::mnuHelpAbout, Item, "mnuHelpAbout", "About &Quorvia...", &M::mnuHelpAbout_Click},
    {MainAction::tbNew, Tool, "tbNew", "New Amortization schedule", nullptr, ":/toolbar/new.png"},
    {MainAction::tbOpen, Tool, "tbOpen", "Open an existing file", nullptr, ":/toolbar/open.png"},
    {MainAction::tbSave, Tool, "tbSave", "Save current Amortization data", nullptr,
     ":/toolbar/save.png"},
    {MainAction::tbPrint, Tool, "tbPrint", "View/Print the Amortization Schedule", nullptr,
     ":/toolbar/print.png"},
    {MainAction::tbCopy, Tool, "tbCopy", "Copy values to the Amortization form", nullptr,
     ":/toolbar/copy.png"},
    {MainAction::tbAmort, Tool, "tbAmort", "Amortization Schedule form", nullptr,
     ":/toolbar/amort.png", true},
    {MainAction::tbCalc, Tool, "tbCalc", "Loan Calculator form", nullptr, ":/toolbar/calc.png",
     true},
    {MainAction::tbCompare, Tool, "tbCompare", "Compare what-if scenarios of a loan", nullptr,
     ":/toolbar/compare.png"},
    {MainAction::tbHelp, Tool, "tbHelp", "Help", nullptr, ":/toolbar/help.png"},
}};

// The table is indexed by the enum: an entry out of place is a build error, not a wrong name.
constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (IndexOf(kTable[i].action) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InEnumOrder());

}  // namespace

std::span<const MainActionEntry> MainActionTable() {
    return kTable;
}

std::string_view NameOf(MainAction action) {
    return kTable[IndexOf(action)].name;
}

}  // namespace quorvia
