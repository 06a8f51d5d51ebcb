#pragma once
// The composing part of the preview window: reads the schedule work file and lays the
// detailed report or the yearly summary out in a report document, and shapes every page
// through the document's events (page header, repeated heading row, cell fonts).
//
// The window that opens the preview hands over the report kind and the number of schedule
// rows, then calls ComposeReport (on loading and again after a font or printer change) and
// reads Failed (the work file could not be read) and the enabled flags of its Print and Fonts
// buttons.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/base/Ui.h"
#include "core/printing/PrinterService.h"
#include "core/reports/ReportDocument.h"
#include "core/schedule/AmortInputs.h"
#include "core/schedule/WorkFile.h"
#include "core/session/AppState.h"

namespace quorvia {

// The status meter while composing: the value 0 to 100 and its caption ("40%").
using ComposeProgress = std::function<void(double percent, const std::string& caption)>;

class ReportComposer : public ReportEvents {
  public:
    static constexpr std::string_view kDocumentName = "Amortization Schedule";

    ReportComposer(AppState& state, Ui& ui, PrinterService& printers, ReportDocument& document);
    ~ReportComposer() override;
    ReportComposer(const ReportComposer&) = delete;
    ReportComposer& operator=(const ReportComposer&) = delete;

    // Handed over by the window that opens the preview.
    int16_t ReportKind = kColumnarNoGrid;
    int16_t RowCount = 0;
    ComposeProgress Progress;

    // Form-level state of the composition.
    std::string ReportTitle;
    // The borrower the work file names, trimmed; empty when it names none.
    std::string Borrower;
    std::string TableFormat;
    std::string TableHeader;
    uint32_t HeaderShade = 0;
    bool PrinterReady = false;
    bool ComposedOnce = false;
    int16_t BoldRow = 0;
    // Set when the work file is missing or unreadable.
    bool Failed = false;
    // Cleared when no printer was found: the window disables its Print and Fonts buttons.
    bool PrintButtonEnabled = true;
    bool FontButtonEnabled = true;

    // Starts the document, composes the report ReportKind asks for and ends the document.
    void ComposeReport();
    // Each composes into a document that has been started.
    void ComposeDetailReport();
    void ComposeSummary();

    void vsPrinter1_NewPage();
    void vsPrinter1_NewTableCell(int16_t Row, int16_t Col, std::string_view Text);
    void vsPrinter1_EndPage() {}

  private:
    struct Layout;

    void NewPage() override { vsPrinter1_NewPage(); }
    void NewTableCell(int row, int col, std::string_view text) override {
        vsPrinter1_NewTableCell(static_cast<int16_t>(row), static_cast<int16_t>(col), text);
    }
    void EndPage() override { vsPrinter1_EndPage(); }

    bool StyleBold() const { return state_.ReportFontStyle == "Bold"; }
    bool BeginComposition(const Layout& layout, WorkFileReader& reader);
    void CorrectFontSettings();
    void SetUpDocument(const Layout& layout);
    void SetUpFooter();
    void ProbePrinter(const Layout& layout);
    void Compose(const Layout& layout);
    bool Read(WorkFileReader& reader, WorkFileRecord& record);
    // The next record's printed fields, for the lines that hold no amount.
    bool Read(WorkFileReader& reader, WorkRecord& fields);
    void AdvanceProgress(const WorkRecord& row);
    void OutputTable();

    bool ReadMethodAndName(WorkFileReader& reader, WorkRecord& method, std::string& name);
    void PrintTitleBlock(const std::string& titleLines, bool blankAfterTitle);
    bool DetailTitleBlock(WorkFileReader& reader);
    void DetailRow(const WorkFileRecord& row);
    bool DetailYearlyLine(WorkFileReader& reader);
    bool DetailTotals(WorkFileReader& reader);
    bool SummaryTitleBlock(WorkFileReader& reader);
    void AddToYear(const WorkFileRecord& row);
    bool SummaryYearRow(WorkFileReader& reader);
    bool SummaryTotals(WorkFileReader& reader);
    bool Footnote(WorkFileReader& reader);
    void FinishBody();

    AppState& state_;
    Ui& ui_;
    PrinterService& printers_;
    ReportDocument& doc_;

    std::string reportBody_;
    bool firstTablePending_ = true;
    int16_t progressCounter_ = 0;
    float progressStep_ = 0;
    // The summary's year: payments, interest and principal in cents, the last balance.
    int64_t yearSums_[3] = {0, 0, 0};
    std::string yearBalance_;
};

}  // namespace quorvia
