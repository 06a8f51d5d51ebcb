#pragma once
// The comparison's two charts, drawn with Qt Charts: the remaining balance over time for every
// scenario, and the interest paid so far. Each scenario has its column's colour and a pen style
// of its own, so that the lines stay apart when printed in black and white.

#include <QColor>
#include <QPen>
#include <QWidget>
#include <cstddef>
#include <vector>

#include "core/comparison/CompareModel.h"

class QChart;
class QTabWidget;

class QChartView;

namespace quorvia {

// Which of the two charts.
enum class CompareChart { Balance, Interest };

// Draws one chart of the figures into `chart`, in place of what it held: one line per column.
void DrawCompareChart(QChart& chart, CompareChart which,
                      const std::vector<ScenarioFigures>& figures);

// The colour and the pen of a scenario's column and lines.
QColor ScenarioColour(std::size_t scenario);
QPen ScenarioPen(std::size_t scenario);

class CompareCharts : public QWidget {
  public:
    explicit CompareCharts(QWidget* parent = nullptr);

    // Draws the figures of the last comparison; none leaves the charts empty.
    void Show(const std::vector<ScenarioFigures>& figures);

    QChartView* BalanceChart() const { return balance_; }
    QChartView* InterestChart() const { return interest_; }

  private:
    QTabWidget* tabs_;
    QChartView* balance_;
    QChartView* interest_;
};

}  // namespace quorvia
