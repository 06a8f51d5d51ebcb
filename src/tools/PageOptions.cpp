#include "tools/PageOptions.h"

#include <string_view>
#include <vector>

#include "core/base/Text.h"
#include "core/printing/PageSetup.h"

namespace quorvia {

namespace {

std::string PaperNames() {
    std::vector<std::string_view> names;
    for (const Paper& paper : PaperSizes()) {
        names.push_back(paper.name);
    }
    return Alternatives(names);
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
