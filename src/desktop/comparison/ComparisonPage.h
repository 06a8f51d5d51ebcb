#pragma once
// The comparison on one page, as it prints and as its PDF: a title, each column's terms and
// events with its figures in a table, and the two charts below, in the columns' colours and
// line styles.

#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <filesystem>
#include <optional>

#include "core/base/RunError.h"
#include "core/comparison/CompareModel.h"

namespace quorvia {

// Draws the page into `page` (device units); the comparison must have its figures.
void PaintComparison(QPainter& painter, const QRectF& page, const CompareModel& model);

// The page: the paper (a paper code of the preferences) turned landscape, with half-inch margins.
QPageLayout ComparisonLayout(int16_t paper);

// The page as a PDF file, written atomically.
std::optional<RunError> WriteComparisonPdf(const CompareModel& model, int16_t paper,
                                           const std::filesystem::path& path);

}  // namespace quorvia
