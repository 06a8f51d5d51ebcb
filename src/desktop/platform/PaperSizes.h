#pragma once
// The program's paper sizes and orientations as Qt knows them, and the page layout a composed
// report is printed on.

#include <QPageLayout>
#include <QPageSize>
#include <cstdint>

#include "core/printing/PageSetup.h"
#include "core/reports/ReportDocument.h"

namespace quorvia {

// Qt's page size of a paper; Letter for a code not in the list.
QPageSize QPageSizeOf(int16_t code);
// The code of a page size; Letter's for a size not in the list.
int16_t PaperCodeOf(const QPageSize& size);

QPageLayout::Orientation OrientationOf(int16_t code);
int16_t OrientationCodeOf(QPageLayout::Orientation orientation);

// The paper of the document's pages, turned as they are, without margins.
QPageLayout PageLayoutOf(const ReportDocument& document);

// The system's paper: the default print queue's, else the locale's. The queues are asked only
// while a Qt application runs (the batch tool starts one only for reports).
int16_t SystemPaperSize();

}  // namespace quorvia
