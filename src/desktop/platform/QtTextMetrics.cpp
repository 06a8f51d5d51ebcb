#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/QtText.h"

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

QtTextMetrics::Entry& QtTextMetrics::EntryOf(const ReportFont& font) {
    if (last_ < cache_.size() && cache_[last_].font == font) {
        return cache_[last_];
    }
    for (std::size_t i = 0; i < cache_.size(); ++i) {
        if (cache_[i].font == font) {
            last_ = i;
            return cache_[i];
        }
    }
    cache_.push_back({font, QFontMetricsF(ReportQFont(font)), {}});
    last_ = cache_.size() - 1;
    return cache_.back();
}

double QtTextMetrics::Width(const ReportFont& font, std::string_view text) {
    Entry& entry = EntryOf(font);
    auto [it, inserted] = entry.widths.try_emplace(std::string(text), 0.0);
    if (inserted) {
        it->second = entry.metrics.horizontalAdvance(Q(text));
    }
    return it->second;
}

double QtTextMetrics::LineHeight(const ReportFont& font) {
    return EntryOf(font).metrics.lineSpacing();
}

double QtTextMetrics::Ascent(const ReportFont& font) {
    return EntryOf(font).metrics.ascent();
}

}  // namespace quorvia
