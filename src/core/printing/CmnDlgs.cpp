#include "core/printing/CmnDlgs.h"

#include <string_view>

#include "core/base/Text.h"

namespace quorvia {

namespace {

constexpr std::string_view kReported = "Error reported: ";

std::string ErrorName(uint32_t code) {
    switch (code) {
        case 1:
            return "CDERR_STRUCTSIZE";
        case 2:
            return "CDERR_INITIALIZATION";
        case 3:
            return "CDERR_NOTEMPLATE";
        case 4:
            return "CDERR_NOHINSTANCE";
        case 5:
            return "CDERR_LOADSTRFAILURE";
        case 6:
            return "CDERR_FINDRESFAILURE";
        case 7:
            return "CDERR_LOADRESFAILURE";
        case 8:
            return "CDERR_LOCKRESFAILURE";
        case 9:
            return "CDERR_MEMALLOCFAILURE";
        case 10:
            return "CDERR_MEMLOCKFAILURE";
        case 11:
            return "CDERR_NOHOOK";
        case 12:
            return "CDERR_REGISTERMSGFAIL";
        case 4096:
            return "PDERR_PRINTERCODES";
        case 4097:
            return "PDERR_SETUPFAILURE";
        case 4098:
            return "PDERR_PARSEFAILURE";
        case 4099:
            return "PDERR_RETDEFFAILURE";
        case 4100:
            return "PDERR_LOADDRVFAILURE";
        case 4101:
            return "PDERR_GETDEVMODEFAIL";
        case 4102:
            return "PDERR_INITFAILURE";
        case 4105:
            return "PDERR_DNDMMISMATCH";
        case 4106:
            return "PDERR_CREATEICFAILURE";
        case 4107:
            return "PDERR_PRINTERNOTFOUND";
        default:
            return "Unknown error!";
    }
}

// The three codes that are explained in a plain sentence.
std::string PlainSentence(uint32_t code) {
    switch (code) {
        case 4103:
            return "No printer drivers found on this system.  Please set up your Windows' "
                   "printer(s) and re-start the program.";
        case 4104:
            return "No Windows default printer exists.  Please exit program and choose a "
                   "Windows Default Printer from Control Panel | Printers.";
        case 4108:
            return "Current printer does NOT match the Windows default printer. (Occurs if you "
                   "changed the Windows' Printer using Control Panel.)";
        default:
            return "";
    }
}

}  // namespace

std::string DialogErrorText(uint32_t code) {
    if (code == 0) {
        return "";
    }
    std::string text = PlainSentence(code);
    if (text.empty()) {
        text = std::string(kReported) + ErrorName(code);
    }
    if (StartsWith(text, kReported)) {
        text += std::string(CrLf) + std::string(CrLf) +
                "Please report this error to Technical Support.";
    }
    return text;
}

void ReportDialogError(Ui& ui, uint32_t code) {
    if (code == 0) {
        return;
    }
    ui.MsgBox({DialogErrorText(code), "Dialog Error...", MsgButtons::Ok, MsgIcon::Exclamation});
}

}  // namespace quorvia
