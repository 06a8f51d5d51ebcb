#pragma once
// A printer dialog for tests: answers each call from a queue (a choice, or a failure with its
// extended error code, 0 for a cancel) and records every request. With the queue empty it
// answers with `fallback`, which chooses the printer "Office" until the test says otherwise.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/printing/PrintDialogService.h"

namespace quorvia::testing {

class ScriptedPrintDialog : public PrintDialogService {
  public:
    struct Failure {
        uint32_t extendedError = 0;
    };
    using Answer = std::variant<PrintDialogResult, Failure>;

    // A confirmed dialog on the named printer with the given flags and copies.
    static PrintDialogResult Choice(const std::string& device, uint32_t flags = 0, int copies = 1,
                                    int fromPage = 0, int toPage = 0) {
        PrintDialogResult result;
        result.flags = flags;
        result.devMode.deviceName = device;
        result.devMode.collate = (flags & kPdCollate) != 0;
        result.devNames = {"driver", device, "port"};
        result.fromPage = fromPage;
        result.toPage = toPage;
        result.copies = copies;
        return result;
    }

    void Queue(Answer answer) { answers.push_back(std::move(answer)); }
    void Cancel() { answers.push_back(Failure{0}); }
    void Fail(uint32_t code) { answers.push_back(Failure{code}); }

    std::optional<PrintDialogResult> PrintDlg(const PrintDialogRequest& request,
                                              uint32_t& extendedError) override {
        requests.push_back(request);
        Answer answer = fallback;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (const Failure* failure = std::get_if<Failure>(&answer)) {
            extendedError = failure->extendedError;
            return std::nullopt;
        }
        extendedError = 0;
        return std::get<PrintDialogResult>(answer);
    }

    std::deque<Answer> answers;
    Answer fallback = Choice("Office");
    std::vector<PrintDialogRequest> requests;
};

}  // namespace quorvia::testing
