#pragma once
// A help engine that records every call and fails the calls it is told to fail, for tests of
// the windows that ask for help.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/help/HelpEngine.h"

namespace quorvia {

class ScriptedHelp : public HelpEngine {
  public:
    void SetHelpFile(const std::filesystem::path& file,
                     const std::filesystem::path& folder) override {
        helpFile = file;
        indexFolder = folder;
    }
    bool HasHelpFile() const override { return hasHelpFile; }
    std::optional<RunError> Call(const HelpCall& call) override {
        calls.push_back(call);
        return failure;
    }

    // The commands and context numbers of the calls, as "Context 20", "Finder", "Quit", ...
    std::vector<std::string> Log() const {
        std::vector<std::string> log;
        for (const HelpCall& call : calls) {
            switch (call.command) {
                case HelpCommand::Context:
                    log.push_back("Context " + std::to_string(call.context));
                    break;
                case HelpCommand::Quit:
                    log.push_back("Quit");
                    break;
                case HelpCommand::HelpOnHelp:
                    log.push_back("HelpOnHelp");
                    break;
                case HelpCommand::Finder:
                    log.push_back("Finder");
                    break;
                case HelpCommand::PartialKey:
                    log.push_back("PartialKey '" + call.keyword + "'");
                    break;
            }
        }
        return log;
    }

    std::filesystem::path helpFile;
    std::filesystem::path indexFolder;
    bool hasHelpFile = true;
    std::optional<RunError> failure;  // what every call returns
    std::vector<HelpCall> calls;
};

}  // namespace quorvia
