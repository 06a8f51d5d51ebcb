#include "desktop/comparison/CompareCharts.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "desktop/platform/QtText.h"

namespace quorvia {

namespace {

// Four colours told apart by most people, and four pen styles for a printer without colour.
constexpr QRgb kColours[kMostScenarios] = {0x1f5fa8, 0xc0392b, 0x2e8b57, 0x8e44ad};
constexpr Qt::PenStyle kStyles[kMostScenarios] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                  Qt::DashDotLine};

qreal TimeOf(Date date) {
    return static_cast<qreal>(
        QDateTime(QDate(YearOf(date), MonthOf(date), DayOf(date)), QTime(0, 0), Qt::UTC)
            .toMSecsSinceEpoch());
}

QString TitleOf(CompareChart which) {
    return which == CompareChart::Balance ? "Remaining balance" : "Interest paid so far";
}

QChartView* NewChartView(const char* name, CompareChart which, QWidget* parent) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(name);
    view->setAccessibleName(TitleOf(which));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    return view;
}

}  // namespace

// One line per scenario over a time axis of years and an axis of dollars from zero.
void DrawCompareChart(QChart& chart, CompareChart which,
                      const std::vector<ScenarioFigures>& figures) {
    chart.setTitle(TitleOf(which));
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    if (figures.empty()) {
        return;
    }
    auto* time = new QDateTimeAxis;
    time->setFormat("yyyy");
    time->setTitleText("Due date");
    auto* money = new QValueAxis;
    money->setLabelFormat("$%.0f");
    // Dollars with thousands separators, as every amount of the program.
    chart.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    chart.setLocalizeNumbers(true);
    money->setTitleText("Dollars");
    chart.addAxis(time, Qt::AlignBottom);
    chart.addAxis(money, Qt::AlignLeft);
    double highest = 0;
    for (std::size_t scenario = 0; scenario < figures.size(); ++scenario) {
        auto* series = new QLineSeries;
        series->setName(Q(ScenarioName(scenario)));
        series->setPen(ScenarioPen(scenario));
        const Schedule& schedule = figures[scenario].schedule;
        for (const ChartPoint& point : which == CompareChart::Balance
                                           ? BalanceOverTime(schedule)
                                           : InterestOverTime(schedule)) {
            series->append(TimeOf(point.date), point.value);
            highest = std::max(highest, point.value);
        }
        chart.addSeries(series);
        series->attachAxis(time);
        series->attachAxis(money);
    }
    // An interest-free loan's interest stays at zero: a range of nothing has no scale to draw.
    money->setRange(0, highest > 0 ? highest : 1);
    money->applyNiceNumbers();
}

QColor ScenarioColour(std::size_t scenario) {
    return QColor(kColours[scenario % kMostScenarios]);
}

QPen ScenarioPen(std::size_t scenario) {
    QPen pen(ScenarioColour(scenario), 2.5);
    pen.setStyle(kStyles[scenario % kMostScenarios]);
    return pen;
}

CompareCharts::CompareCharts(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabCharts");
    balance_ = NewChartView("chtBalance", CompareChart::Balance, tabs_);
    interest_ = NewChartView("chtInterest", CompareChart::Interest, tabs_);
    tabs_->addTab(balance_, "Remaining &balance");
    tabs_->addTab(interest_, "&Interest paid");
    layout->addWidget(tabs_);
    Show({});
}

void CompareCharts::Show(const std::vector<ScenarioFigures>& figures) {
    DrawCompareChart(*balance_->chart(), CompareChart::Balance, figures);
    DrawCompareChart(*interest_->chart(), CompareChart::Interest, figures);
}

}  // namespace quorvia
