#pragma once
// The help topics that windows open by number: the Help menu's topics and the topic of each
// window that F1 opens. The help collection holds a page for each.

#include <span>
#include <string_view>

namespace quorvia {

namespace help_context {
inline constexpr int kProgramOverview = 10;
inline constexpr int kAmortizationInfo = 20;
inline constexpr int kLoanCalcInfo = 25;
inline constexpr int kUsingHelp = 40;
inline constexpr int kPrinterSetup = 1205;  // the printer and font selection form
inline constexpr int kAmortForm = 2100;
inline constexpr int kPreviewWindow = 3300;
inline constexpr int kDisclosureForm = 3400;
inline constexpr int kCalculatorForm = 4100;
inline constexpr int kCompareForm = 4500;
inline constexpr int kPreferencesForm = 6100;
}  // namespace help_context

struct HelpTopic {
    int context;
    std::string_view page;   // the page's file in the help collection
    std::string_view title;  // the page's title, as its heading reads
};

std::span<const HelpTopic> HelpTopics();
// The topic of a context number; nullptr for a number no topic has.
const HelpTopic* TopicOfContext(int context);

}  // namespace quorvia
