#pragma once
// Text measuring with the fonts Qt finds through fontconfig ("Times New Roman" resolves to the
// metric-compatible Liberation Serif). Fonts are sized in twips as pixels, so that the
// measures are those of a 1440-dpi printer page and need no conversion.

#include <QFont>
#include <QFontMetricsF>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/reports/TextMetrics.h"

namespace quorvia {

// The Qt font a report font is drawn and measured with: its pixel size is its size in twips,
// without hinting, so that the layout holds on every device it is drawn on.
QFont ReportQFont(const ReportFont& font);

class QtTextMetrics : public TextMetrics {
  public:
    double Width(const ReportFont& font, std::string_view text) override;
    double LineHeight(const ReportFont& font) override;
    double Ascent(const ReportFont& font) override;

  private:
    // A report repeats many texts (amounts, headings, blank cells): each is shaped once.
    struct Entry {
        ReportFont font;
        QFontMetricsF metrics;
        std::unordered_map<std::string, double> widths;
    };
    Entry& EntryOf(const ReportFont& font);

    std::vector<Entry> cache_;
    std::size_t last_ = 0;
};

}  // namespace quorvia
