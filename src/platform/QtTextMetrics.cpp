#include "platform/QtTextMetrics.h"

#include <cmath>

namespace quorvia {

QFont ReportQFont(const ReportFont& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

const QFontMetricsF& QtTextMetrics::MetricsOf(const ReportFont& font) {
    if (last_ < cache_.size() && cache_[last_].font == font) {
        return cache_[last_].metrics;
    }
    for (std::size_t i = 0; i < cache_.size(); ++i) {
        if (cache_[i].font == font) {
            last_ = i;
            return cache_[i].metrics;
        }
    }
    cache_.push_back({font, QFontMetricsF(ReportQFont(font))});
    last_ = cache_.size() - 1;
    return cache_.back().metrics;
}

double QtTextMetrics::Width(const ReportFont& font, std::string_view text) {
    return MetricsOf(font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtTextMetrics::LineHeight(const ReportFont& font) {
    return MetricsOf(font).lineSpacing();
}

double QtTextMetrics::Ascent(const ReportFont& font) {
    return MetricsOf(font).ascent();
}

}  // namespace quorvia
