#pragma once
// The font families a report can be printed in, the same for the desktop program and the batch
// tool: every family installed here, and the Windows names that preferences and old reports
// carry ("Times New Roman", "Arial", "Courier New") wherever their metric-compatible stand-in
// is installed.

#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

bool ReportFontAvailable(std::string_view name);
// The families offered to choose from: those installed, as Qt lists them.
std::vector<std::string> ReportFontFamilies();
// The installed family a report font is drawn with ("Liberation Serif" for "Times New Roman").
std::string RenderedFamily(std::string_view name);

}  // namespace quorvia
