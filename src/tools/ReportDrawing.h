#pragma once
// What a schedule run needs to draw its report, as a PDF file or on a print queue: fonts, pages
// and print queues, which take Qt. quorvia-batch itself runs on the core alone, so that a run
// that only computes starts as fast as any small program; a run that draws is handed over to
// the drawing program, which runs the same command with a drawing.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"
#include "tools/PrintOptions.h"

namespace quorvia {

class ReportDrawing {
  public:
    virtual ~ReportDrawing() = default;

    // The printers the preferences load with: their paper is the default print queue's.
    virtual PrinterService& Printers() = 0;

    // Empty when the queue exists; else the message that names the queues there are.
    virtual std::string UnknownQueueError(const std::string& queue) = 0;

    // Composes the report of the work file in `state` in the given style and writes it as PDF
    // on the built-in PDF printer.
    virtual std::optional<RunError> WritePdf(const std::filesystem::path& path, AppState& state,
                                             Ui& ui, int16_t reportKind, int16_t rowCount) = 0;

    // Composes the report the same way and prints it on the queue through the printing steps of
    // the preview window, with their messages. `printed` tells whether the queue took the job;
    // when it did not, the person has been told why.
    virtual std::optional<RunError> Print(const BatchPrint& print, AppState& state, Ui& ui,
                                          int16_t reportKind, int16_t rowCount, bool& printed) = 0;
};

// Starts what drawing takes and hands it over; the drawing lasts as long as the run holds it.
using DrawingStarter = std::unique_ptr<ReportDrawing> (*)();

}  // namespace quorvia
