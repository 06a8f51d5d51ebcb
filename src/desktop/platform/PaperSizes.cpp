#include "desktop/platform/PaperSizes.h"

#include <QCoreApplication>
#include <QPrinterInfo>
#include <algorithm>

namespace quorvia {

namespace {

constexpr int kTwipsPerPoint = 20;

// A standard size is matched from its points, so Letter and A4 print as the sizes they are.
QPageSize FromTwips(int width, int height) {
    return QPageSize(QSize(width / kTwipsPerPoint, height / kTwipsPerPoint), QPageSize::Point,
                     QString(), QPageSize::FuzzyMatch);
}

}  // namespace

QPageSize QPageSizeOf(int16_t code) {
    const PageSize page = PageSizeOf(code, kOrientPortrait);
    return FromTwips(page.width, page.height);
}

int16_t PaperCodeOf(const QPageSize& size) {
    for (const Paper& paper : PaperSizes()) {
        if (FromTwips(paper.width, paper.height).id() == size.id()) {
            return paper.code;
        }
    }
    return kPaperLetter;
}

QPageLayout::Orientation OrientationOf(int16_t code) {
    return code == kOrientLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int16_t OrientationCodeOf(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Landscape ? kOrientLandscape : kOrientPortrait;
}

QPageLayout PageLayoutOf(const ReportDocument& document) {
    const int width = document.PageWidth();
    const int height = document.PageHeight();
    return QPageLayout(FromTwips(std::min(width, height), std::max(width, height)),
                       width > height ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

int16_t SystemPaperSize() {
    if (QCoreApplication::instance() != nullptr) {
        const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        if (!queue.isNull() && queue.defaultPageSize().isValid()) {
            return PaperCodeOf(queue.defaultPageSize());
        }
    }
    return LocalePaperSize();
}

}  // namespace quorvia
