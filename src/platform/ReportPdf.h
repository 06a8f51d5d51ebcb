#pragma once
// A composed report as a PDF file: Letter pages, fonts embedded, text selectable. The file is
// made in memory and then written by the atomic writer: a failed write leaves no file behind.

#include <filesystem>
#include <optional>

#include "base/RunError.h"
#include "reports/ReportDocument.h"

namespace quorvia {

std::optional<RunError> WriteReportPdf(const ReportDocument& document,
                                       const std::filesystem::path& path);

}  // namespace quorvia
