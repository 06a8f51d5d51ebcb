#pragma once
// What the Help menu, the toolbar's Help button and each window's F1 key do with the help
// engine: check that there is help to show, make the call, and tell the person when it fails.

#include <string>
#include <string_view>

#include "core/base/Ui.h"
#include "core/help/HelpEngine.h"

namespace quorvia {

inline constexpr std::string_view kNoHelpFile =
    "Unable to display Help Contents. There is no Help associated with this project.";

class ProgramHelp {
  public:
    // ownerCaption titles the messages: the caption of the main window.
    ProgramHelp(HelpEngine& engine, Ui& ui, std::string ownerCaption = "Quorvia");

    bool HasHelpFile() const { return engine_.HasHelpFile(); }
    // The contents (Help | Contents); the no-help message when there is no help file.
    void Contents();
    // The keyword index with an empty keyword (Help | Search for Help on); the no-help
    // message when there is no help file.
    void Search();
    void HelpOnHelp();
    // The topic of a context number (the Help menu's topics, F1 in a window).
    void Topic(int context);
    // Closes the help at exit; there is nobody left to tell of a failure.
    void Quit();

  private:
    bool ReportMissingHelpFile();
    void Call(const HelpCall& call);

    HelpEngine& engine_;
    Ui& ui_;
    std::string ownerCaption_;
};

}  // namespace quorvia
