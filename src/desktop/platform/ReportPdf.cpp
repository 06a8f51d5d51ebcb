#include "desktop/platform/ReportPdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>

#include "core/base/AtomicFile.h"
#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/ReportPainter.h"

namespace quorvia {

namespace {

// The whole PDF in memory, so that nothing reaches the target until every page is made.
bool RenderPdf(const ReportDocument& document, QByteArray& pdf) {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(PageLayoutOf(document));
    // One device unit to the twip: the page is as many units as the document's page has twips.
    writer.setResolution(1440);
    writer.setTitle(QString::fromStdString(document.DocumentName()));
    writer.setCreator(QStringLiteral("Quorvia"));

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    for (int number = 1; number <= document.PageCount(); ++number) {
        if (number > 1 && !writer.newPage()) {
            painter.end();
            return false;
        }
        DrawReportPage(painter, document, number,
                       QRectF(0, 0, document.PageWidth(), document.PageHeight()));
    }
    return painter.end();
}

}  // namespace

std::optional<RunError> WriteReportPdf(const ReportDocument& document,
                                       const std::filesystem::path& path) {
    QByteArray pdf;
    if (!RenderPdf(document, pdf)) {
        return RunError{error_number::kPathFileAccess, "Cannot make the PDF of " + path.string()};
    }
    return WriteFileAtomically(path, std::string_view(pdf.constData(), pdf.size()));
}

}  // namespace quorvia
