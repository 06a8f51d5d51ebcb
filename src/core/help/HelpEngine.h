#pragma once
// The program's help as the windows ask for it: a topic by its context number, the contents,
// the keyword index, the topic on using help, and closing the help at exit. The desktop answers
// with the help window over the help collection beside the program; tests answer with a script.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/RunError.h"

namespace quorvia {

// The help collection, beside the program.
inline constexpr std::string_view kHelpFileName = "quorvia.qhc";

// The help commands, numbered as help engines number them.
enum class HelpCommand {
    Context = 1,
    Quit = 2,
    HelpOnHelp = 4,
    Finder = 11,
    PartialKey = 261,
};

struct HelpCall {
    HelpCommand command = HelpCommand::Finder;
    int context = 0;      // the topic's context number, for Context
    std::string keyword;  // the keyword the index starts from, for PartialKey
};

class HelpEngine {
  public:
    virtual ~HelpEngine() = default;

    // Names the program's help file and the folder for its search index (empty: beside the
    // file); an empty path leaves the program without help.
    virtual void SetHelpFile(const std::filesystem::path& file,
                             const std::filesystem::path& indexFolder) = 0;
    // Whether the program has a help file to show.
    virtual bool HasHelpFile() const = 0;
    // Carries out the call; a call that fails returns the error that describes the failure.
    virtual std::optional<RunError> Call(const HelpCall& call) = 0;
};

}  // namespace quorvia
