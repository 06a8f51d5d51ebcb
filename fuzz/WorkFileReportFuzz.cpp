// The schedule work file reader and the report composer on it. Input: the report kind, the
// row count the window hands over and the report font on the first line, the work file's
// bytes after it. Text is measured with the fixed metrics, so no font files are needed.

#include <cmath>

#include "FuzzSupport.h"
#include "core/reports/ReportComposer.h"
#include "core/reports/ReportDocument.h"
#include "core/reports/TextMetrics.h"
#include "core/schedule/WorkFile.h"
#include "core/session/AppState.h"
#include "support/ScriptedUi.h"

namespace {

using namespace quorvia;

// The built-in PDF printer, with every font.
class PdfOnlyPrinters : public PrinterService {
  public:
    std::optional<PrinterInfo> CurrentPrinter() override { return PdfPrinter(); }
    std::vector<PrinterInfo> Printers() override { return {PdfPrinter()}; }
    bool MakeCurrent(const PrinterInfo&) override { return true; }
    bool HasFont(std::string_view) override { return true; }
    std::vector<std::string> Fonts() override { return {"Times New Roman", "Arial"}; }
};

bool HasLineBreak(const WorkRecord& record) {
    for (const std::string& field : record) {
        if (field.find_first_of("\r\n") != std::string::npos) {
            return true;
        }
    }
    return false;
}

// The writer never writes an empty field or a line break inside one: it writes a blank.
bool WrittenAsIs(const WorkRecord& record) {
    for (const std::string& field : record) {
        if (field.empty()) {
            return false;
        }
    }
    return !HasLineBreak(record);
}

// Every record the reader takes from the file writes back to a line that reads as the same
// record (after the writer's blanks), and writes the same line again. Returns whether a field
// holds a line break, which only a file the program did not write can hold.
bool CheckRecords(const std::filesystem::path& file) {
    WorkFileReader reader;
    if (reader.Open(file)) {
        return false;
    }
    bool lineBreaks = false;
    WorkFileRecord read;
    while (!reader.AtEnd() && !reader.Read(read)) {
        const WorkRecord& record = read.fields;
        lineBreaks = lineBreaks || HasLineBreak(record);
        std::string line = EncodeWorkRecord(record);
        std::optional<WorkRecord> decoded = DecodeWorkRecord(line);
        QUORVIA_FUZZ_CHECK(decoded && EncodeWorkRecord(*decoded) == line, line);
        QUORVIA_FUZZ_CHECK(!WrittenAsIs(record) || *decoded == record, line);
    }
    return lineBreaks;
}

// Every text stands on the page. (A line break inside a title field makes the page header as
// tall as it likes; the program's own work files never hold one.)
void CheckPages(const ReportDocument& document) {
    for (const ReportPage& page : document.Pages()) {
        for (const TextItem& text : page.texts) {
            QUORVIA_FUZZ_CHECK(
                text.width >= 0 && text.baseline >= 0 && text.baseline <= document.PageHeight(),
                text.text + " at baseline " + std::to_string(text.baseline));
            QUORVIA_FUZZ_CHECK(text.x >= 0 && text.x + text.width <= document.PageWidth(),
                               text.text + " at " + std::to_string(text.x));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    std::string_view settings = input.Line();
    fuzz::FuzzInput choices(reinterpret_cast<const uint8_t*>(settings.data()), settings.size());

    AppState state;
    state.AppPath = fuzz::ScratchFolder();
    state.ReportFontSize = static_cast<float>(choices.Choice(8, 14));
    state.ReportFontStyle = choices.Choice(0, 1) == 1 ? "Bold" : "Normal";
    fuzz::WriteBytes(state.WorkFilePath(), input.Rest());
    bool lineBreaks = CheckRecords(state.WorkFilePath());

    ScriptedUi ui;
    PdfOnlyPrinters printers;
    FixedTextMetrics metrics;
    ReportDocument document(metrics);
    ReportComposer composer(state, ui, printers, document);
    composer.ReportKind = static_cast<int16_t>(choices.Choice(0, 3));
    composer.RowCount = static_cast<int16_t>(choices.Count(-2, 2000));
    const int lastPaper = static_cast<int>(PaperSizes().size()) - 1;
    state.PrintPaperSize =
        PaperSizes()[static_cast<std::size_t>(choices.Choice(0, lastPaper))].code;
    state.PrintOrientation =
        static_cast<int16_t>(choices.Choice(kOrientPortrait, kOrientLandscape));
    composer.Progress = [](double percent, const std::string& caption) {
        QUORVIA_FUZZ_CHECK(percent >= 0 && percent <= 100, caption);
    };
    composer.ComposeReport();
    QUORVIA_FUZZ_CHECK(composer.Failed || document.PageCount() >= 1, "no page");
    if (!lineBreaks) {
        CheckPages(document);
    }
    return 0;
}
