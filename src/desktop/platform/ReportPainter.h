#pragma once
// Draws the pages of a composed report with a QPainter: onto the preview, a printer or a PDF
// file.

#include <QPainter>
#include <QRectF>

#include "core/reports/ReportDocument.h"

namespace quorvia {

// Draws page `number` (1 to the page count) scaled into `target`, in the painter's
// coordinates. The page's background is left as it is.
void DrawReportPage(QPainter& painter, const ReportDocument& document, int number,
                    const QRectF& target);

}  // namespace quorvia
