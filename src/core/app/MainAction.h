#pragma once
// The main window's menu items and toolbar buttons, one name for each, in the order they stand.

#include <cstddef>

namespace quorvia {

enum class MainAction {
    mnuFile,
    mnuFileOpen,
    mnuFileSave,
    mnuFileSaveAs,
    mnuFilePrint,
    mnuFilePrtSetup,
    mnuFileSep1,
    mnuFilePref,
    mnuFileSep2,
    mnuFileExit,
    mnuAmort,
    mnuCalc,
    mnuCompare,
    mnuWindow,
    mnuWinClose,
    mnuWinTile,
    mnuWinCascade,
    mnuWinSep,
    mnuHelp,
    mnuHelpIndex,
    mnuHelpSrch,
    mnuHelpHelp,
    mnuHelpSep,
    mnuHelpInfo,
    mnuHelpAmort,
    mnuHelpCalc,
    mnuHelpSep3,
    mnuHelpTips,
    mnuHelpSep4,
    mnuHelpAbout,
    tbNew,
    tbOpen,
    tbSave,
    tbPrint,
    tbCopy,
    tbAmort,
    tbCalc,
    tbCompare,
    tbHelp,
};

inline constexpr std::size_t kMainActionCount = static_cast<std::size_t>(MainAction::tbHelp) + 1;

constexpr std::size_t IndexOf(MainAction action) {
    return static_cast<std::size_t>(action);
}

}  // namespace quorvia
