#pragma once
// Fonts as the reports name them, and the measuring the report layout asks for. All lengths
// are in twips (1440 to the inch).

#include <string>
#include <string_view>

namespace quorvia {

struct ReportFont {
    std::string name = "Times New Roman";
    double size = 12;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const ReportFont&) const = default;
};

class TextMetrics {
  public:
    virtual ~TextMetrics() = default;

    // The advance width of one line of text (UTF-8) in the font.
    virtual double Width(const ReportFont& font, std::string_view text) = 0;
    // The distance from one line's baseline to the next.
    virtual double LineHeight(const ReportFont& font) = 0;
    // The distance from the top of a line to its baseline.
    virtual double Ascent(const ReportFont& font) = 0;
};

// Metrics without any font files, for tests: every character is half the size wide, a line
// is 1.2 times the size high and its baseline sits at 0.9 times the size.
class FixedTextMetrics : public TextMetrics {
  public:
    double Width(const ReportFont& font, std::string_view text) override;
    double LineHeight(const ReportFont& font) override { return font.size * 20 * 1.2; }
    double Ascent(const ReportFont& font) override { return font.size * 20 * 0.9; }

    // The number of characters (code points) in UTF-8 text.
    static std::size_t CharacterCount(std::string_view text);
};

}  // namespace quorvia
