// quorvia-batch-draw, quorvia-batch's drawing program: the same commands, with Qt to draw a
// schedule's report as a PDF file or on a print queue. quorvia-batch hands such a run over to
// it with its arguments as given; people do not run it by name.

#include "desktop/platform/QtDiagnostics.h"
#include "tools/BatchProgram.h"
#include "tools/ScheduleCommand.h"
#include "tools/draw/QtReportDrawing.h"

namespace quorvia {

namespace {

int RunDrawingSchedule(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    return RunSchedule(args, out, err, StartQtReportDrawing);
}

}  // namespace

}  // namespace quorvia

int main(int argc, char** argv) {
    quorvia::QuietenQtDiagnostics();
    return quorvia::RunBatch(quorvia::CommandArgs(argv + 1, argv + argc),
                             quorvia::RunDrawingSchedule);
}
