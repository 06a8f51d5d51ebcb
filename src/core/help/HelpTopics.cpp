#include "core/help/HelpTopics.h"

#include <algorithm>

namespace quorvia {

namespace {

constexpr HelpTopic kTopics[] = {
    {help_context::kProgramOverview, "overview.html", "Program Overview"},
    {help_context::kAmortizationInfo, "amortization-info.html", "Amortization Info"},
    {help_context::kLoanCalcInfo, "loan-calc-info.html", "Loan Calc Info"},
    {help_context::kUsingHelp, "using-help.html", "How to Use Help"},
    {help_context::kPrinterSetup, "printer-setup.html", "Printer Setup"},
    {help_context::kAmortForm, "amortization-form.html", "The Amortization Schedule Form"},
    {help_context::kPreviewWindow, "preview.html", "Previewing and Printing a Schedule"},
    {help_context::kDisclosureForm, "disclosure.html", "Truth-in-Lending Disclosure"},
    {help_context::kCalculatorForm, "calculator-form.html", "The Loan Calculator Form"},
    {help_context::kCompareForm, "comparison.html", "Comparing What-If Scenarios"},
    {help_context::kPreferencesForm, "preferences.html", "Preferences"},
};

}  // namespace

std::span<const HelpTopic> HelpTopics() {
    return kTopics;
}

const HelpTopic* TopicOfContext(int context) {
    auto found =
        std::find_if(std::begin(kTopics), std::end(kTopics),
                     [context](const HelpTopic& topic) { return topic.context == context; });
    return found == std::end(kTopics) ? nullptr : found;
}

}  // namespace quorvia
