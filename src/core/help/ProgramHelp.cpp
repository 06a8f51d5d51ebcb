#include "core/help/ProgramHelp.h"

#include <utility>

namespace quorvia {

ProgramHelp::ProgramHelp(HelpEngine& engine, Ui& ui, std::string ownerCaption)
    : engine_(engine), ui_(ui), ownerCaption_(std::move(ownerCaption)) {}

void ProgramHelp::Contents() {
    if (!ReportMissingHelpFile()) {
        Call({HelpCommand::Finder, 0, ""});
    }
}

void ProgramHelp::Search() {
    if (!ReportMissingHelpFile()) {
        Call({HelpCommand::PartialKey, 0, ""});
    }
}

void ProgramHelp::HelpOnHelp() {
    Call({HelpCommand::HelpOnHelp, 0, ""});
}

void ProgramHelp::Topic(int context) {
    Call({HelpCommand::Context, context, ""});
}

void ProgramHelp::Quit() {
    engine_.Call({HelpCommand::Quit, 0, ""});
}

bool ProgramHelp::ReportMissingHelpFile() {
    if (engine_.HasHelpFile()) {
        return false;
    }
    ui_.MsgBox({std::string(kNoHelpFile), ownerCaption_, MsgButtons::Ok, MsgIcon::Information, 1});
    return true;
}

void ProgramHelp::Call(const HelpCall& call) {
    if (auto failure = engine_.Call(call)) {
        ui_.MsgBox({failure->description, ownerCaption_, MsgButtons::Ok, MsgIcon::None, 1});
    }
}

}  // namespace quorvia
