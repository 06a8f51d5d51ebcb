#pragma once
// The comparison on one page, as it prints and as its PDF: a title, each column's terms and
// events with its figures in a table, and the two charts below, in the columns' colours and
// line styles.

#include <QPainter>
#include <QRectF>
#include <filesystem>
#include <optional>

#include "core/base/RunError.h"
#include "core/comparison/CompareModel.h"

namespace quorvia {

// Draws the page into `page` (device units); the comparison must have its figures.
void PaintComparison(QPainter& painter, const QRectF& page, const CompareModel& model);

// A landscape Letter page as a PDF file, written atomically.
std::optional<RunError> WriteComparisonPdf(const CompareModel& model,
                                           const std::filesystem::path& path);

}  // namespace quorvia
