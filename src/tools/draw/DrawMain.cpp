// quorvia-batch-draw, quorvia-batch's drawing program: the same commands, with Qt to draw a
// schedule's report as a PDF file or on a print queue and libxlsxwriter to write it as a
// workbook. quorvia-batch hands such a run over to it with its arguments as given; people do
// not run it by name.

#include "core/export/ScheduleWorkbook.h"
#include "desktop/platform/QtDiagnostics.h"
#include "tools/BatchProgram.h"
#include "tools/ScheduleCommand.h"
#include "tools/draw/QtReportDrawing.h"

namespace quorvia {

namespace {

int RunDrawingSchedule(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    static constexpr DrawingProgramOutputs kOutputs{StartQtReportDrawing, WriteScheduleWorkbook};
    return RunSchedule(args, out, err, &kOutputs);
}

}  // namespace

}  // namespace quorvia

int main(int argc, char** argv) {
    quorvia::QuietenQtDiagnostics();
    return quorvia::RunBatch(quorvia::CommandArgs(argv + 1, argv + argc),
                             quorvia::RunDrawingSchedule);
}
