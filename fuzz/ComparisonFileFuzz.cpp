// Comparison files (*.qrvc) as a person may be handed them. Input: the file's text.
//
// Whatever the bytes, the text is either refused with a reason or taken as one to four
// scenarios; a comparison taken is written back as a file that reads back the same, and whose
// text written again is the same text.

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/comparison/ComparisonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quorvia;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const std::optional<std::vector<Scenario>> scenarios = ReadComparisonText(text, problem);
    if (!scenarios) {
        QUORVIA_FUZZ_CHECK(!problem.empty(), "refused without a reason");
        return 0;
    }
    QUORVIA_FUZZ_CHECK(problem.empty(), "taken with a problem: " + problem);
    QUORVIA_FUZZ_CHECK(!scenarios->empty() && scenarios->size() <= kMostScenarios,
                       std::to_string(scenarios->size()) + " scenarios");
    const std::string written = ComparisonText(*scenarios);
    std::string again;
    const std::optional<std::vector<Scenario>> reread = ReadComparisonText(written, again);
    QUORVIA_FUZZ_CHECK(reread.has_value(), "its own file refused: " + again);
    QUORVIA_FUZZ_CHECK(ComparisonText(*reread) == written, "read back otherwise:\n" + written);
    return 0;
}
