#include "desktop/comparison/ComparisonPage.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPdfWriter>
#include <string>
#include <vector>

#include "core/base/AtomicFile.h"
#include "desktop/comparison/CompareCharts.h"
#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/QtText.h"

namespace quorvia {

namespace {

// The table's rows: the terms and events the columns assumed, then their figures.
std::vector<std::pair<QString, std::vector<QString>>> TableRows(const CompareModel& model) {
    const auto& scenarios = model.Scenarios();
    std::vector<std::pair<QString, std::vector<QString>>> rows;
    const std::pair<const char*, AmortField> terms[] = {{"Loan amount", AmortField::Amount},
                                                        {"Rate (%)", AmortField::Rate},
                                                        {"Term (months)", AmortField::Term}};
    for (const auto& [caption, field] : terms) {
        std::vector<QString> cells;
        for (std::size_t column = 0; column < scenarios.size(); ++column) {
            cells.push_back(Q(model.Term(column, field)));
        }
        rows.emplace_back(caption, cells);
    }
    std::vector<QString> events;
    for (const Scenario& scenario : scenarios) {
        QStringList described;
        for (const ScheduleEvent& event : scenario.events) {
            described << Q(DescribeEvent(event));
        }
        events.push_back(described.isEmpty() ? "none" : described.join("; "));
    }
    rows.emplace_back("Events", events);
    for (std::size_t row = 0; row < kFigureRowCount; ++row) {
        std::vector<QString> cells;
        for (std::size_t column = 0; column < model.Figures().size(); ++column) {
            cells.push_back(Q(FigureTexts(model.Figures()[column], column == 0)[row]));
        }
        rows.emplace_back(Q(kFigureRows[row]), cells);
    }
    return rows;
}

// The table from `top` down; returns where it ends.
qreal PaintTable(QPainter& painter, const QRectF& page, qreal top, const CompareModel& model) {
    const std::size_t columns = model.Scenarios().size();
    const qreal labelWidth = page.width() * 0.18;
    const qreal cellWidth = (page.width() - labelWidth) / static_cast<qreal>(columns);
    const qreal pad = painter.fontMetrics().averageCharWidth() / 2.0;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    auto cell = [&](qreal x, qreal width, qreal y, const QString& text, bool measure) {
        QRectF room(x + pad, y + pad, width - 2 * pad, page.height());
        QRectF used = painter.boundingRect(room, flags, text);
        if (!measure) {
            painter.drawText(room, flags, text);
        }
        return used.height() + 2 * pad;
    };
    qreal y = top;
    QFont bold = painter.font();
    bold.setBold(true);
    QFont plain = painter.font();
    painter.setFont(bold);
    for (std::size_t column = 0; column < columns; ++column) {
        painter.setPen(ScenarioColour(column));
        cell(page.left() + labelWidth + cellWidth * static_cast<qreal>(column), cellWidth, y,
             Q(ScenarioName(column)), false);
    }
    painter.setPen(Qt::black);
    y += painter.fontMetrics().height() + 2 * pad;
    for (const auto& [caption, cells] : TableRows(model)) {
        painter.setFont(plain);
        qreal height = cell(page.left(), labelWidth, y, caption, true);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            height = std::max(
                height, cell(page.left() + labelWidth + cellWidth * static_cast<qreal>(column),
                             cellWidth, y, cells[column], true));
        }
        painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
        cell(page.left(), labelWidth, y, caption, false);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            cell(page.left() + labelWidth + cellWidth * static_cast<qreal>(column), cellWidth, y,
                 cells[column], false);
        }
        y += height;
    }
    painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    return y;
}

// A chart laid out at a screen's size and scaled into `target`, so that its text keeps the
// proportions it has on screen.
void PaintChart(QPainter& painter, const QRectF& target, CompareChart which,
                const CompareModel& model) {
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    const QRectF laidOut(0, 0, 640, 640 * target.height() / target.width());
    chart->setGeometry(laidOut);
    DrawCompareChart(*chart, which, model.Figures());
    // The chart lays out its axes, title and legend on the events it posts to itself.
    QCoreApplication::sendPostedEvents();
    scene.render(&painter, target, laidOut);
}

}  // namespace

void PaintComparison(QPainter& painter, const QRectF& page, const CompareModel& model) {
    painter.save();
    QFont font("Liberation Sans");
    font.setPointSizeF(9);
    painter.setFont(font);
    QFont title = font;
    title.setPointSizeF(14);
    title.setBold(true);
    painter.setFont(title);
    QRectF titleRect(page.left(), page.top(), page.width(), painter.fontMetrics().height() * 1.5);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop, Q(kComparisonTitle));
    painter.setFont(font);
    qreal tableEnd = PaintTable(painter, page, titleRect.bottom(), model);
    const qreal gap = painter.fontMetrics().height();
    QRectF charts(page.left(), tableEnd + gap, page.width(), page.bottom() - tableEnd - gap);
    if (charts.height() > gap * 4) {
        const qreal half = (charts.width() - gap) / 2;
        PaintChart(painter, QRectF(charts.left(), charts.top(), half, charts.height()),
                   CompareChart::Balance, model);
        PaintChart(painter, QRectF(charts.left() + half + gap, charts.top(), half, charts.height()),
                   CompareChart::Interest, model);
    }
    painter.restore();
}

QPageLayout ComparisonLayout(int16_t paper) {
    return QPageLayout(QPageSizeOf(paper), QPageLayout::Landscape, QMarginsF(36, 36, 36, 36),
                       QPageLayout::Point);
}

std::optional<RunError> WriteComparisonPdf(const CompareModel& model, int16_t paper,
                                           const std::filesystem::path& path) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(ComparisonLayout(paper));
        writer.setResolution(300);
        writer.setTitle(Q(kComparisonTitle));
        writer.setCreator("Quorvia");
        QPainter painter;
        if (!painter.begin(&writer)) {
            return RunError{error_number::kPathFileAccess,
                            "Cannot make the PDF of " + path.string()};
        }
        PaintComparison(painter, QRectF(0, 0, writer.width(), writer.height()), model);
        painter.end();
    }
    return WriteFileAtomically(path, std::string_view(pdf.constData(), pdf.size()));
}

}  // namespace quorvia
