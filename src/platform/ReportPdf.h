#pragma once
// A composed report as a PDF file: Letter pages, fonts embedded, text selectable.

#include <filesystem>
#include <optional>

#include "base/RunError.h"
#include "reports/ReportDocument.h"

namespace quorvia {

std::optional<RunError> WriteReportPdf(const ReportDocument& document,
                                       const std::filesystem::path& path);

}  // namespace quorvia
