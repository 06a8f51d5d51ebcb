#include "platform/ReportPdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/ReportPainter.h"

namespace quorvia {

std::optional<RunError> WriteReportPdf(const ReportDocument& document,
                                       const std::filesystem::path& path) {
    QPdfWriter writer(QString::fromStdString(path.string()));
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // One device unit to the twip: the page is 12240 x 15840 units.
    writer.setResolution(1440);
    writer.setTitle(QString::fromStdString(document.DocumentName()));
    writer.setCreator(QStringLiteral("Quorvia"));

    QPainter painter;
    if (!painter.begin(&writer)) {
        return RunError{error_number::kPathFileAccess, "Cannot write " + path.string()};
    }
    for (int number = 1; number <= document.PageCount(); ++number) {
        if (number > 1) {
            writer.newPage();
        }
        DrawReportPage(painter, document, number, QRectF(0, 0, kPageWidth, kPageHeight));
    }
    if (!painter.end()) {
        return RunError{error_number::kPathFileAccess, "Cannot write " + path.string()};
    }
    return std::nullopt;
}

}  // namespace quorvia
