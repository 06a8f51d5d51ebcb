#include "desktop/platform/PaperSizes.h"

#include "core/printing/PrintDialogService.h"

namespace quorvia {

QPageSize PageSizeOf(int16_t code) {
    for (const PaperSize& paper : kPaperSizes) {
        if (paper.code == code) {
            return QPageSize(paper.id);
        }
    }
    return QPageSize(QPageSize::Letter);
}

int16_t PaperCodeOf(const QPageSize& size) {
    for (const PaperSize& paper : kPaperSizes) {
        if (paper.id == size.id()) {
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

}  // namespace quorvia
