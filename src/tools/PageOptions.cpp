#include "tools/PageOptions.h"

#include "core/base/Text.h"
#include "core/printing/PageSetup.h"

namespace quorvia {

namespace {

std::string PaperNames() {
    std::string names;
    const auto papers = PaperSizes();
    for (std::size_t i = 0; i < papers.size(); ++i) {
        names += std::string(i == 0                   ? ""
                             : i + 1 == papers.size() ? " or "
                                                      : ", ") +
                 std::string(papers[i].name);
    }
    return names;
}

}  // namespace

void BatchPageSetup::ApplyTo(AppState& state) const {
    if (paperSize) {
        state.PrintPaperSize = *paperSize;
    }
    if (orientation) {
        state.PrintOrientation = *orientation;
    }
}

std::optional<BatchPageSetup> ParsePageOptions(const BatchOptions& options, std::string& error) {
    BatchPageSetup setup;
    if (options.Has("--paper")) {
        const Paper* paper = PaperNamed(options.Value("--paper", ""));
        if (paper == nullptr) {
            error = "--paper must be " + PaperNames();
            return std::nullopt;
        }
        setup.paperSize = paper->code;
    }
    if (options.Has("--orientation")) {
        const std::string orientation = options.Value("--orientation", "");
        if (EqualsIgnoreCase(orientation, "portrait")) {
            setup.orientation = kOrientPortrait;
        } else if (EqualsIgnoreCase(orientation, "landscape")) {
            setup.orientation = kOrientLandscape;
        } else {
            error = "--orientation must be portrait or landscape";
            return std::nullopt;
        }
    }
    return setup;
}

}  // namespace quorvia
