#include "desktop/platform/ReportPainter.h"

#include <QColor>
#include <QPen>
#include <optional>
#include <vector>

#include "desktop/platform/QtText.h"
#include "desktop/platform/QtTextMetrics.h"

namespace quorvia {

namespace {

QColor ColourOf(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

}  // namespace

void DrawReportPage(QPainter& painter, const ReportDocument& document, int number,
                    const QRectF& target) {
    const ReportPage& page = document.Page(number);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / document.PageWidth(), target.height() / document.PageHeight());

    for (const ShadeItem& shade : page.shades) {
        painter.fillRect(QRectF(shade.left, shade.top, shade.width, shade.height),
                         ColourOf(shade.colour));
    }

    QPen pen(Qt::black);
    pen.setCapStyle(Qt::SquareCap);
    for (const RuleItem& rule : page.rules) {
        pen.setWidthF(rule.width);
        painter.setPen(pen);
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
    }

    painter.setPen(Qt::black);
    std::vector<std::optional<QFont>> fonts;
    std::optional<FontId> current;
    for (const TextItem& text : page.texts) {
        if (current != text.font) {
            if (fonts.size() <= text.font) {
                fonts.resize(text.font + 1u);
            }
            if (!fonts[text.font]) {
                fonts[text.font] = ReportQFont(document.Font(text.font));
            }
            painter.setFont(*fonts[text.font]);
            current = text.font;
        }
        painter.drawText(QPointF(text.x, text.baseline), Q(text.text));
    }
    painter.restore();
}

}  // namespace quorvia
