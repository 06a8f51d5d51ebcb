#pragma once
// A finished report page: what to draw, in twips from the page's top left corner. The report
// engine fills pages; a renderer draws them onto the preview, a printer or a PDF file.

#include <cstdint>
#include <string>
#include <vector>

namespace quorvia {

// A colour as the reports give it: red in the low byte, then green, then blue. 0 is no colour
// (no shading).
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// An index into the document's font table (ReportDocument::Font).
using FontId = uint16_t;

struct TextItem {
    std::string text;  // one line, UTF-8
    FontId font = 0;
    int x = 0;  // left end of the text, alignment already applied
    int baseline = 0;
    int width = 0;  // as measured for the layout
};

// A straight line of the given thickness, centred on the points.
struct RuleItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 0;
};

struct ShadeItem {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    uint32_t colour = 0;
};

// Drawn in this order: shades, rules, texts.
struct ReportPage {
    std::vector<ShadeItem> shades;
    std::vector<RuleItem> rules;
    std::vector<TextItem> texts;
};

}  // namespace quorvia
