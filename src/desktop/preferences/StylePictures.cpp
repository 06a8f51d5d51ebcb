#include "desktop/preferences/StylePictures.h"

#include <QPainter>

namespace quorvia {

namespace {

constexpr int kWidth = 72;
constexpr int kHeight = 56;
constexpr int kMargin = 6;
constexpr int kColumns = 4;

void DrawRows(QPainter& painter, int rows, int top, bool grid, bool shaded) {
    const int width = kWidth - 2 * kMargin;
    const int rowHeight = (kHeight - top - kMargin) / rows;
    const int columnWidth = width / kColumns;
    for (int row = 0; row < rows; ++row) {
        int y = top + row * rowHeight;
        if (shaded && row == 0) {
            painter.fillRect(kMargin, y, width, rowHeight, QColor(0, 0, 128));
        } else if (shaded && row % 2 == 0) {
            painter.fillRect(kMargin, y, width, rowHeight, QColor(220, 220, 220));
        }
        painter.setPen(shaded && row == 0 ? Qt::white : Qt::black);
        for (int column = 0; column < kColumns; ++column) {
            int x = kMargin + column * columnWidth;
            painter.drawLine(x + 3, y + rowHeight / 2, x + columnWidth - 3, y + rowHeight / 2);
        }
        if (grid) {
            painter.setPen(Qt::darkGray);
            painter.drawRect(kMargin, y, width, rowHeight);
            for (int column = 1; column < kColumns; ++column) {
                int x = kMargin + column * columnWidth;
                painter.drawLine(x, y, x, y + rowHeight);
            }
        }
    }
}

}  // namespace

QPixmap StylePicture(int style) {
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    // The title line of the page.
    painter.drawLine(kWidth / 3, kMargin + 2, 2 * kWidth / 3, kMargin + 2);
    const int top = kMargin + 8;
    switch (style) {
        case 1:
            DrawRows(painter, 6, top, true, false);
            break;
        case 2:
            DrawRows(painter, 6, top, true, true);
            break;
        case 3:
            DrawRows(painter, 3, top + 8, false, false);
            break;
        default:
            DrawRows(painter, 6, top, false, false);
            break;
    }
    return picture;
}

}  // namespace quorvia
