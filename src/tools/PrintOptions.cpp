#include "tools/PrintOptions.h"

#include <string_view>

namespace quorvia {

namespace {

// The most copies a print queue is asked for.
constexpr int kMostCopies = 999;

bool ParsePages(std::string_view text, PrintChoice& choice) {
    std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return false;
    }
    std::optional<int> from = WholeNumber(text.substr(0, dash), 1, 32767);
    std::optional<int> to = WholeNumber(text.substr(dash + 1), 1, 32767);
    if (!from || !to || *to < *from) {
        return false;
    }
    choice.allPages = false;
    choice.fromPage = *from;
    choice.toPage = *to;
    return true;
}

}  // namespace

std::optional<BatchPrint> ParsePrintOptions(const BatchOptions& options, std::string& error) {
    if (!options.Has("--print")) {
        if (options.Has("--pages") || options.Has("--copies") || options.Has("--collate")) {
            error = "--pages, --copies and --collate go with --print QUEUE";
        }
        return std::nullopt;
    }
    BatchPrint print;
    print.queue = options.Value("--print", "");
    if (print.queue.empty()) {
        error = "--print needs the name of a print queue";
        return std::nullopt;
    }
    if (options.Has("--pages") && !ParsePages(options.Value("--pages", ""), print.choice)) {
        error = "--pages must be FROM-TO, two page numbers with FROM not above TO";
        return std::nullopt;
    }
    if (options.Has("--copies")) {
        std::optional<int> copies = WholeNumber(options.Value("--copies", ""), 1, kMostCopies);
        if (!copies) {
            error = "--copies must be a whole number from 1 to " + std::to_string(kMostCopies);
            return std::nullopt;
        }
        print.choice.copies = *copies;
    }
    print.choice.collate = options.Has("--collate");
    return print;
}

}  // namespace quorvia
