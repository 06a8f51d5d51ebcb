#pragma once
// Stand-ins for the status window and the font dialog, for the preview and schedule-run
// tests.

#include <optional>
#include <string>
#include <vector>

#include "core/base/StatusDisplay.h"
#include "core/printing/CDialogService.h"

namespace quorvia::testing {

// Records every request in `events` ("show:...", "label:...", "meter:0%", "hide").
class RecordingStatus : public StatusDisplay {
  public:
    void Show(const std::string& label) override { events.push_back("show:" + label); }
    void SetLabel(const std::string& label) override { events.push_back("label:" + label); }
    void SetMeter(double percent, const std::string& caption) override {
        meters.push_back(percent);
        events.push_back("meter:" + caption);
    }
    void Hide() override { events.push_back("hide"); }

    std::vector<std::string> events;
    std::vector<double> meters;
};

// Answers the font dialog with `answer` (nothing: cancelled, or failed with `error`); the first
// `failingCalls` calls fail with `error` whatever the answer.
class ScriptedFontChooser : public FontChooser {
  public:
    std::optional<FontChoice> ChooseFont(const FontRequest& request,
                                         uint32_t& extendedError) override {
        requests.push_back(request);
        extendedError = error;
        if (failingCalls > 0) {
            --failingCalls;
            return std::nullopt;
        }
        return answer;
    }

    std::optional<FontChoice> answer;
    uint32_t error = 0;
    int failingCalls = 0;
    std::vector<FontRequest> requests;
};

}  // namespace quorvia::testing
