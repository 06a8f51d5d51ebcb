#include "core/reports/ReportDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvia {
namespace {

const std::string kRow(kRowSeparator);

std::vector<const TextItem*> TextsOf(const ReportPage& page, std::string_view text) {
    std::vector<const TextItem*> found;
    for (const TextItem& item : page.texts) {
        if (item.text == text) {
            found.push_back(&item);
        }
    }
    return found;
}

struct Recorder : ReportEvents {
    std::vector<std::string> events;
    std::function<void()> onNewPage;
    std::function<void(ReportDocument&, int, int, std::string_view)> onCell;
    ReportDocument* doc = nullptr;

    void NewPage() override {
        events.push_back("new " + std::to_string(doc->PageCount()));
        if (onNewPage) {
            onNewPage();
        }
    }
    void NewTableCell(int row, int col, std::string_view text) override {
        events.push_back(std::to_string(row) + "," + std::to_string(col) + ":" + std::string(text));
        if (onCell) {
            onCell(*doc, row, col, text);
        }
    }
    void EndPage() override { events.push_back("end " + std::to_string(doc->PageCount())); }
};

class ReportDocumentTest : public ::testing::Test {
  protected:
    ReportDocumentTest() : doc(metrics) {
        recorder.doc = &doc;
        doc.SetEvents(&recorder);
    }
    FixedTextMetrics metrics;  // 12 pt: 120 twips a character, lines 288 apart
    ReportDocument doc;
    Recorder recorder;
};

TEST_F(ReportDocumentTest, ParagraphsSplitAtLineBreaksAlignAndWrapInsideTheMargins) {
    doc.StartDoc();
    doc.Print("left\r\nline two\r\n");
    doc.SetTextAlign(TextAlign::Centre);
    doc.Print("mid");
    // 9360 twips between the margins hold 78 characters: 15 words of "word " a line.
    std::string words;
    for (int i = 0; i < 20; ++i) {
        words += "word ";
    }
    doc.SetTextAlign(TextAlign::LeftTop);
    doc.Print(words + words + words + words + words);
    doc.EndDoc();

    const ReportPage& page = doc.Page(1);
    ASSERT_EQ(TextsOf(page, "left").size(), 1u);
    const TextItem& left = *TextsOf(page, "left")[0];
    EXPECT_EQ(left.x, 1440);
    EXPECT_EQ(left.baseline, 1440 + 216);
    EXPECT_EQ(TextsOf(page, "line two")[0]->baseline, left.baseline + 288);
    // The trailing line break adds no empty line: "mid" follows directly.
    const TextItem& mid = *TextsOf(page, "mid")[0];
    EXPECT_EQ(mid.baseline, left.baseline + 2 * 288);
    EXPECT_EQ(mid.x, 1440 + (9360 - 360) / 2);
    int wrappedLines = 0;
    for (const TextItem& item : page.texts) {
        EXPECT_LE(item.x + item.width, 12240 - 1440) << item.text;
        if (item.text.starts_with("word")) {
            ++wrappedLines;
            EXPECT_EQ(item.text.back(), 'd');
        }
    }
    EXPECT_EQ(wrappedLines, 7);  // 100 words
}

TEST_F(ReportDocumentTest, BreaksPagesRaisingTheEventsAndDrawsHeaderFooterAndBorders) {
    recorder.onNewPage = [&] {
        if (doc.PageCount() > 1) {
            doc.SetHeader("Title||Page %d");
            doc.SetPageBorder(kPageBorderBoth);
        }
    };
    doc.StartDoc();
    doc.SetFooter("|Company|");
    doc.SetPageBorder(kPageBorderAboveFooter);
    // 12960 twips of body hold 45 lines of 288.
    for (int i = 1; i <= 100; ++i) {
        doc.Print("line " + std::to_string(i));
    }
    doc.EndDoc();

    ASSERT_EQ(doc.PageCount(), 3);
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"new 1", "end 1", "new 2", "end 2", "new 3", "end 3"}));
    EXPECT_EQ(TextsOf(doc.Page(2), "line 46").size(), 1u);
    EXPECT_EQ(TextsOf(doc.Page(2), "line 46")[0]->baseline, 1440 + 216);
    for (const ReportPage& page : doc.Pages()) {
        for (const TextItem& item : page.texts) {
            if (item.text.starts_with("line")) {
                EXPECT_LE(item.baseline, 15840 - 1440);
            }
        }
    }

    const ReportPage& first = doc.Page(1);
    EXPECT_TRUE(TextsOf(first, "Title").empty());
    ASSERT_EQ(first.rules.size(), 1u);  // above the footer only
    EXPECT_GT(first.rules[0].y1, 15840 - 1440);
    const TextItem& company = *TextsOf(first, "Company")[0];
    EXPECT_EQ(company.x, 1440 + (9360 - company.width) / 2);
    EXPECT_GT(company.baseline, first.rules[0].y1);

    const ReportPage& second = doc.Page(2);
    ASSERT_EQ(TextsOf(second, "Title").size(), 1u);
    EXPECT_EQ(TextsOf(second, "Title")[0]->x, 1440);
    EXPECT_LT(TextsOf(second, "Title")[0]->baseline, 1440);
    ASSERT_EQ(TextsOf(second, "Page 2").size(), 1u);
    const TextItem& number = *TextsOf(second, "Page 2")[0];
    EXPECT_EQ(number.x + number.width, 12240 - 1440);
    EXPECT_EQ(doc.Font(number.font).size, 8);
    EXPECT_EQ(second.rules.size(), 2u);
    EXPECT_EQ(TextsOf(doc.Page(3), "Page 3").size(), 1u);
}

// Every text item of the page lies across [left, right).
void ExpectWithin(const ReportPage& page, int left, int right) {
    for (const TextItem& item : page.texts) {
        EXPECT_GE(item.x, left) << item.text;
        EXPECT_LE(item.x + item.width, right) << item.text;
    }
}

// The left edges of the texts of one row, left to right.
std::vector<int> Lefts(const ReportPage& page, std::initializer_list<std::string_view> texts) {
    std::vector<int> lefts;
    for (std::string_view text : texts) {
        EXPECT_EQ(TextsOf(page, text).size(), 1u) << text;
        lefts.push_back(TextsOf(page, text).empty() ? -1 : TextsOf(page, text)[0]->x);
    }
    return lefts;
}

TEST_F(ReportDocumentTest, AnUnderscoredColumnTakesTheWidthItsLineNeedsFromThePage) {
    doc.StartDoc();
    // 20 characters in bold need 2400 twips and the padding: 2520. The table's 8640 twips and
    // the 720 the page has to spare are 360 short, which the amounts give: they need 1080 of
    // their 1800 twips, and each gives 90.
    const std::string format = "<_1440|>_1800|>_1800|>_1800|>_1800" + kRow;
    doc.AddTable(format, "", "Totals for year 1999|1,000.00|2,000.00|3,000.00|4,000.00" + kRow, 0,
                 0);
    doc.EndDoc();
    const ReportPage& page = doc.Page(1);
    EXPECT_EQ(Lefts(page, {"Totals for year 1999", "1,000.00"}),
              (std::vector<int>{1440 + 60, 1440 + 2520 + 1710 - 60 - 960}));
    EXPECT_EQ(TextsOf(page, "4,000.00")[0]->x + TextsOf(page, "4,000.00")[0]->width,
              12240 - 1440 - 60);

    // Where the label and the amounts cannot all keep one line, the label gives back what it
    // grew by and wraps; the amounts keep the 1680 twips they need: 3720 + 4 x 1800 is 1560 over
    // the 9360, 480 of it the amounts' spare, 1080 the label's.
    doc.StartDoc();
    doc.AddTable(format, "",
                 "Totals for year 1999 and so on|99,999,999.99|99,999,999.99|99,999,999.99|"
                 "99,999,999.99" +
                     kRow,
                 0, 0);
    doc.EndDoc();
    EXPECT_TRUE(TextsOf(doc.Page(1), "Totals for year 1999 and so on").empty());
    EXPECT_EQ(TextsOf(doc.Page(1), "99,999,999.99").size(), 4u);
    EXPECT_EQ(TextsOf(doc.Page(1), "99,999,999.99")[0]->x, 1440 + 2640 + 1680 - 60 - 1560);

    // Where even the lines' own widths do not fit, every column gives its share and the text
    // wraps: 6 x 15 characters need 6 x 1920 twips of the 9360.
    doc.StartDoc();
    std::string row;
    for (int c = 0; c < 6; ++c) {
        row += std::string(c == 0 ? "" : "|") + "Totals for 199" + std::to_string(c);
    }
    doc.AddTable("<_1440|<_1440|<_1440|<_1440|<_1440|<_1440" + kRow, "", row + kRow, 0, 0);
    doc.EndDoc();
    EXPECT_TRUE(TextsOf(doc.Page(1), "Totals for 1990").empty());
    EXPECT_EQ(TextsOf(doc.Page(1), "Totals for").size(), 6u);
    ExpectWithin(doc.Page(1), 1440, 12240 - 1440);

    // Without the flag the format's width stands and the line wraps.
    doc.StartDoc();
    doc.AddTable("^1440|^1440" + kRow, "", "Totals for 1999|x" + kRow, 0, 0);
    doc.EndDoc();
    EXPECT_EQ(TextsOf(doc.Page(1), "Totals for").size(), 1u);
    EXPECT_EQ(Lefts(doc.Page(1), {"x"}), std::vector<int>{1440 + 1440 + 660});
}

TEST_F(ReportDocumentTest, TablesOfOneFormatLineUpWithTheWidestLinesOfAll) {
    const std::string format = "<_1440|>_1440" + kRow;
    recorder.onNewPage = [&] {
        if (doc.PageCount() > 1) {
            doc.AddTable(format, "Year|Amount" + kRow, "", 0, 0);
        }
    };
    std::string body;
    for (int i = 1; i <= 60; ++i) {
        body += "Totals for " + std::to_string(1950 + i) + "|" + std::to_string(i) + kRow;
    }
    doc.StartDoc();
    // The grand totals' wider amount is reserved before the years are laid out.
    doc.ReserveColumns(format, "GRAND TOTALS|12,345,678.90" + kRow);
    doc.AddTable(format, "Year|Amount" + kRow, body, 0, 0);
    doc.AddTable(format, "", "GRAND TOTALS|12,345,678.90" + kRow, 0, 0);
    doc.EndDoc();

    ASSERT_EQ(doc.PageCount(), 2);
    const ReportPage& last = doc.Page(2);
    const TextItem& grand = *TextsOf(last, "12,345,678.90")[0];
    const TextItem& year = *TextsOf(last, "60")[0];
    const TextItem& head = *TextsOf(last, "Amount")[0];
    EXPECT_EQ(grand.x + grand.width, year.x + year.width);
    EXPECT_EQ(head.x + head.width, year.x + year.width);
    EXPECT_EQ(TextsOf(last, "GRAND TOTALS")[0]->x, TextsOf(last, "Totals for 2010")[0]->x);
    // 13 characters and the padding: 1680 twips for the amounts.
    EXPECT_EQ(grand.x + grand.width, 1440 + 1920 + 1680 - 60);
}

TEST_F(ReportDocumentTest, PagesTakeTheSizeTheyAreGiven) {
    doc.SetPageSize(PageSizeOf(kPaperA4, kOrientLandscape));
    doc.SetHeader("left||Page %d");
    doc.StartDoc();
    doc.SetTextAlign(TextAlign::Centre);
    doc.Print("mid");
    for (int i = 0; i < 40; ++i) {
        doc.Print("line");
    }
    doc.EndDoc();

    EXPECT_EQ(doc.PageWidth(), 16840);
    EXPECT_EQ(doc.PageHeight(), 11900);
    // 11900 - 2 x 1440 twips hold 31 lines of 288.
    ASSERT_EQ(doc.PageCount(), 2);
    EXPECT_EQ(TextsOf(doc.Page(1), "line").size(), 30u);
    const TextItem& mid = *TextsOf(doc.Page(1), "mid")[0];
    EXPECT_EQ(mid.x, 1440 + (16840 - 2880 - 360) / 2);
    const TextItem& number = *TextsOf(doc.Page(2), "Page 2")[0];
    EXPECT_EQ(number.x + number.width, 16840 - 1440);
    for (const TextItem* line : TextsOf(doc.Page(2), "line")) {
        EXPECT_LE(line->baseline, 11900 - 1440);
    }
    // A table wider than the page's room shrinks into it.
    doc.SetPageSize(PageSizeOf(kPaperA4, kOrientPortrait));
    doc.StartDoc();
    doc.AddTable("^1800|>1800|>1800|>1800|>2160" + kRow, "", "a|b|c|d|e" + kRow, 0, 0);
    doc.EndDoc();
    EXPECT_EQ(TextsOf(doc.Page(1), "e")[0]->x + TextsOf(doc.Page(1), "e")[0]->width,
              11900 - 1440 - 60);
}

TEST_F(ReportDocumentTest, AWordTooWideForItsCellBreaksAfterACommaOrWhereItMust) {
    doc.StartDoc();
    doc.SetFontSize(14);  // 140 twips a character
    doc.AddTable(">1800|<1000" + kRow, "", "2,768,088,535.93|ABCDEFGHIJKL" + kRow, 0, 0);
    doc.EndDoc();
    const ReportPage& page = doc.Page(1);
    // 16 characters are 2240 twips; the first 12 would fit, the break comes after the comma.
    ASSERT_EQ(TextsOf(page, "2,768,088,").size(), 1u);
    ASSERT_EQ(TextsOf(page, "535.93").size(), 1u);
    EXPECT_EQ(TextsOf(page, "535.93")[0]->x + TextsOf(page, "535.93")[0]->width,
              1440 + 1800 - ReportDocument::kCellPaddingX);
    // No blank and no comma: as many characters as the 1000 twips hold, then the rest.
    ASSERT_EQ(TextsOf(page, "ABCDEFG").size(), 1u);
    ASSERT_EQ(TextsOf(page, "HIJKL").size(), 1u);
    // 980 twips: wider than the padded room, so centred in the column.
    EXPECT_EQ(TextsOf(page, "ABCDEFG")[0]->x, 1440 + 1800 + 10);
    ExpectWithin(page, 1440, 1440 + 2800);

    // A column narrower than one character keeps nothing of it.
    doc.StartDoc();
    doc.AddTable("<100|<1000" + kRow, "", "W|x" + kRow, 0, 0);
    doc.EndDoc();
    EXPECT_TRUE(TextsOf(doc.Page(1), "W").empty());
    EXPECT_EQ(TextsOf(doc.Page(1), "x").size(), 1u);
}

TEST_F(ReportDocumentTest, CellsOfATableWithEveryRuleKeepClearOfTheRules) {
    auto textIn = [&](int border) {
        doc.StartDoc();
        doc.SetTableBorder(border);
        // 15 characters: 1800 twips, the whole column.
        doc.AddTable("^1800|^1800" + kRow, "", "123456789012345|x" + kRow, 0, 0);
        doc.EndDoc();
        return TextsOf(doc.Page(1), "123456789012345").size();
    };
    EXPECT_EQ(textIn(kTableBorderNone), 1u);
    EXPECT_EQ(textIn(kTableBorderAboveBelow), 1u);
    EXPECT_EQ(textIn(kTableBorderAll), 0u);
    for (std::string_view piece : {"12345678901234", "5"}) {
        ASSERT_EQ(TextsOf(doc.Page(1), piece).size(), 1u) << piece;
        const TextItem& item = *TextsOf(doc.Page(1), piece)[0];
        EXPECT_GE(item.x, 1440 + 8);
        EXPECT_LE(item.x + item.width, 1440 + 1800 - 8);
    }
}

TEST_F(ReportDocumentTest, AParagraphWordWiderThanTheMarginsBreaks) {
    doc.StartDoc();
    doc.SetTextAlign(TextAlign::Centre);
    doc.Print(std::string(100, 'M') + " end");  // 78 characters fit a line
    doc.EndDoc();
    const ReportPage& page = doc.Page(1);
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[0].text, std::string(78, 'M'));
    EXPECT_EQ(page.texts[1].text, std::string(22, 'M') + " end");
    ExpectWithin(page, 1440, 12240 - 1440);
}

TEST_F(ReportDocumentTest, TablesAlignColumnsNumberRowsAndKeepCellFontsToTheirCell) {
    recorder.onCell = [](ReportDocument& d, int row, int col, std::string_view) {
        if (row == 2 && col == 2) {
            d.SetFontBold(true);
            d.SetFontSize(10);
        }
    };
    doc.StartDoc();
    doc.AddTable("^_1800|>1800|<2000" + kRow, "Date|Amount|Note" + kRow,
                 "01/15/26|1.00|x" + kRow + "02/15/26|22.50" + kRow, Rgb(192, 192, 192), 0);
    doc.EndDoc();

    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"new 1", "1,1:Date", "1,2:Amount", "1,3:Note",
                                        "2,1:01/15/26", "2,2:1.00", "2,3:x", "3,1:02/15/26",
                                        "3,2:22.50", "3,3:", "end 1"}));
    const ReportPage& page = doc.Page(1);
    const TextItem& date = *TextsOf(page, "01/15/26")[0];
    EXPECT_EQ(date.x, 1440 + (1800 - date.width) / 2);
    const TextItem& amount = *TextsOf(page, "22.50")[0];
    EXPECT_EQ(amount.x + amount.width, 1440 + 1800 + 1800 - ReportDocument::kCellPaddingX);
    EXPECT_EQ(TextsOf(page, "x")[0]->x, 1440 + 3600 + ReportDocument::kCellPaddingX);

    const ReportFont& changed = doc.Font(TextsOf(page, "1.00")[0]->font);
    EXPECT_TRUE(changed.bold);
    EXPECT_EQ(changed.size, 10);
    EXPECT_FALSE(doc.Font(TextsOf(page, "x")[0]->font).bold);
    EXPECT_EQ(doc.Font(amount.font).size, 12);
    // One row of the table sits on one baseline, whatever its fonts.
    EXPECT_EQ(TextsOf(page, "1.00")[0]->baseline, TextsOf(page, "x")[0]->baseline);

    ASSERT_EQ(page.shades.size(), 1u);  // the heading row only
    EXPECT_EQ(page.shades[0].colour, Rgb(192, 192, 192));
    EXPECT_EQ(page.shades[0].width, 5600);
    EXPECT_LT(page.shades[0].top, TextsOf(page, "Date")[0]->baseline);
    EXPECT_LT(TextsOf(page, "Date")[0]->baseline, date.baseline);
    EXPECT_TRUE(page.rules.empty());
}

TEST_F(ReportDocumentTest, TableBordersDrawNoRulesRulesAboveAndBelowOrEveryRule) {
    auto rulesFor = [&](int border) {
        doc.StartDoc();
        doc.SetTableBorder(border);
        doc.AddTable(">1000|>1000" + kRow, "", "a|b" + kRow + "c|d" + kRow + "e|f", 0, 0);
        doc.EndDoc();
        return doc.Page(1).rules;
    };
    EXPECT_TRUE(rulesFor(kTableBorderNone).empty());

    std::vector<RuleItem> aboveBelow = rulesFor(kTableBorderAboveBelow);
    ASSERT_EQ(aboveBelow.size(), 2u);
    EXPECT_EQ(aboveBelow[0].y1, 1440);
    EXPECT_EQ(aboveBelow[1].y1 - aboveBelow[0].y1, 3 * (288 + 2 * ReportDocument::kCellPaddingY));
    EXPECT_EQ(aboveBelow[0].x1, 1440);
    EXPECT_EQ(aboveBelow[0].x2, 3440);

    std::vector<RuleItem> all = rulesFor(kTableBorderAll);
    int horizontal = 0;
    int vertical = 0;
    for (const RuleItem& rule : all) {
        (rule.y1 == rule.y2 ? horizontal : vertical)++;
    }
    EXPECT_EQ(horizontal, 4);  // top, two between rows, bottom
    EXPECT_EQ(vertical, 3);    // left, between the columns, right
}

TEST_F(ReportDocumentTest, NewPageHandlerMayOutputAHeadingTableInsideALongTable) {
    recorder.onNewPage = [&] {
        if (doc.PageCount() > 1) {
            doc.Print(" ");
            doc.AddTable(">2000|>2000" + kRow, "Head|Amount" + kRow, "", 0, 0);
        }
    };
    std::string body;
    for (int i = 1; i <= 120; ++i) {
        body += "r" + std::to_string(i) + "|" + std::to_string(i) + ".00" + kRow;
    }
    doc.StartDoc();
    doc.SetTableBorder(kTableBorderAll);
    doc.AddTable(">2000|>2000" + kRow, "Head|Amount" + kRow, body, 0, 0);
    doc.EndDoc();

    // Rows of 348 twips: 36 on page 1 below the heading, 35 below the blank line and the
    // repeated heading.
    ASSERT_EQ(doc.PageCount(), 4);
    int rows = 0;
    for (int p = 1; p <= doc.PageCount(); ++p) {
        const ReportPage& page = doc.Page(p);
        ASSERT_EQ(TextsOf(page, "Head").size(), 1u) << "page " << p;
        int headTop = TextsOf(page, "Head")[0]->baseline;
        for (const TextItem& item : page.texts) {
            if (item.text.starts_with("r")) {
                ++rows;
                EXPECT_GT(item.baseline, headTop);
                EXPECT_LE(item.baseline, 15840 - 1440);
            }
        }
        for (const RuleItem& rule : page.rules) {
            EXPECT_LE(std::max(rule.y1, rule.y2), 15840 - 1440);
        }
    }
    EXPECT_EQ(rows, 120);
    EXPECT_EQ(TextsOf(doc.Page(1), "r36").size(), 1u);
    ASSERT_EQ(TextsOf(doc.Page(2), "r37").size(), 1u);
    // The row carried over starts right below the repeated heading row.
    EXPECT_EQ(TextsOf(doc.Page(2), "r37")[0]->baseline,
              TextsOf(doc.Page(2), "Head")[0]->baseline + 348);
}

// The header and footer texts of a page: those outside the top and bottom margins.
std::vector<const TextItem*> Decorations(const ReportPage& page) {
    std::vector<const TextItem*> found;
    for (const TextItem& item : page.texts) {
        if (item.baseline < 1440 || item.baseline > 15840 - 1440) {
            found.push_back(&item);
        }
    }
    return found;
}

TEST_F(ReportDocumentTest, ThreePartTextsKeepTheirPartsWhateverTheyHold) {
    EXPECT_EQ(ThreePartText::Parse("a|b|c|d").centre, "b");
    EXPECT_EQ(ThreePartText::Parse("a|b|c|d").right, "c");
    EXPECT_EQ(ThreePartText::Parse("|Company|").left, "");

    doc.StartDoc();
    doc.SetHeader(
        ThreePartText{ThreePartText::Literal("M\xC3\xBCller | Sons 100%d"), "", "Page %d"});
    doc.SetFooter(ThreePartText{"", ThreePartText::Literal("A|B %% C"), ""});
    doc.Print("body");
    doc.EndDoc();
    const ReportPage& page = doc.Page(1);
    ASSERT_EQ(TextsOf(page, "M\xC3\xBCller | Sons 100%d").size(), 1u);
    EXPECT_EQ(TextsOf(page, "M\xC3\xBCller | Sons 100%d")[0]->x, 1440);
    ASSERT_EQ(TextsOf(page, "Page 1").size(), 1u);
    EXPECT_EQ(TextsOf(page, "Page 1")[0]->x + TextsOf(page, "Page 1")[0]->width, 12240 - 1440);
    ASSERT_EQ(TextsOf(page, "A|B %% C").size(), 1u);
    const TextItem& footer = *TextsOf(page, "A|B %% C")[0];
    EXPECT_EQ(footer.x, 1440 + (9360 - footer.width) / 2);
    EXPECT_EQ(Decorations(page).size(), 3u);
}

TEST_F(ReportDocumentTest, PartsTooLongWrapIntoTheirRoomAndNeverMeet) {
    // 8 point header font: 80 twips a character, lines 192 apart.
    std::string name;
    while (name.size() < 150) {
        name += "BORROWER ";
    }
    std::string company(200, 'C');
    doc.StartDoc();
    doc.SetHeader(ThreePartText{name, "", "Page %d"});
    doc.SetFooter(ThreePartText{"", company, ""});
    doc.Print("body");
    doc.EndDoc();
    const ReportPage& page = doc.Page(1);
    ASSERT_EQ(TextsOf(page, "Page 1").size(), 1u);
    const TextItem& number = *TextsOf(page, "Page 1")[0];
    std::string headerText;
    int headerLines = 0;
    std::string footerText;
    for (const TextItem* item : Decorations(page)) {
        EXPECT_GE(item->x, 1440) << item->text;
        EXPECT_LE(item->x + item->width, 12240 - 1440) << item->text;
        if (item->text.starts_with("BORROWER")) {
            ++headerLines;
            headerText += item->text + " ";
            EXPECT_LE(item->x + item->width + ReportDocument::kPartGap, number.x);
            EXPECT_LE(item->baseline, 1440 - ReportDocument::kHeaderGap);
        } else if (item->text.starts_with("C")) {
            footerText += item->text;
        }
    }
    EXPECT_EQ(headerLines, 2);
    EXPECT_EQ(headerText, name);
    // The header grows upwards: two lines (baseline 144 below a line's top) end above the gap.
    EXPECT_EQ(number.baseline, 1440 - ReportDocument::kHeaderGap - 2 * 192 + 144);
    EXPECT_EQ(footerText, company);

    // A centre part between two long side parts: each keeps to its own third or so.
    std::string side(120, 'S');
    std::string centre(120, 'M');
    doc.StartDoc();
    doc.SetHeader(ThreePartText{side, centre, side});
    doc.Print("body");
    doc.EndDoc();
    std::vector<const TextItem*> parts = Decorations(doc.Page(1));
    ASSERT_GT(parts.size(), 3u);
    for (const TextItem* a : parts) {
        EXPECT_GE(a->baseline, 0);
        for (const TextItem* b : parts) {
            if (a != b && a->baseline == b->baseline) {
                EXPECT_TRUE(a->x + a->width + ReportDocument::kPartGap <= b->x ||
                            b->x + b->width + ReportDocument::kPartGap <= a->x)
                    << a->text << " / " << b->text;
            }
        }
    }
}

TEST_F(ReportDocumentTest, HeaderLinesThatWouldLeaveThePageAreCut) {
    std::string lines;
    for (int i = 1; i <= 40; ++i) {
        lines += "line " + std::to_string(i) + "\r\n";
    }
    doc.StartDoc();
    doc.SetHeader(ThreePartText{lines, "", ""});
    doc.Print("body");
    doc.EndDoc();
    // (1440 - 120) / 192 = 6 lines above the top margin.
    std::vector<const TextItem*> header = Decorations(doc.Page(1));
    ASSERT_EQ(header.size(), 6u);
    for (const TextItem* item : header) {
        EXPECT_GE(item->baseline - 144, 0) << item->text;
    }
    EXPECT_EQ(header.front()->text, "line 1");
}

}  // namespace
}  // namespace quorvia
