#pragma once
// A composed report as a PDF file: pages of the document's paper, fonts embedded, text
// selectable. The file is made in memory and then written by the atomic writer: a failed write
// leaves no file behind.

#include <filesystem>
#include <optional>

#include "core/base/RunError.h"
#include "core/reports/ReportDocument.h"

namespace quorvia {

std::optional<RunError> WriteReportPdf(const ReportDocument& document,
                                       const std::filesystem::path& path);

}  // namespace quorvia
