#pragma once
// quorvia-batch schedule: the amortization form from the command line. The form starts from
// its defaults, takes a loan data file's entries when one is named, then the options as if a
// person typed them into the fields; the Okay button's validation runs with every message and
// question on the error stream, and a validated loan's schedule is written where the output
// options say.

#include <filesystem>
#include <optional>
#include <string>

#include "core/amortization/AmortFormModel.h"
#include "core/base/RunError.h"
#include "core/schedule/Schedule.h"
#include "core/session/AppState.h"
#include "tools/BatchCommand.h"
#include "tools/BatchOptions.h"
#include "tools/ReportDrawing.h"
#include "tools/ScheduleOptions.h"

namespace quorvia {

// Nobody is there to save or close a window: the form's requests go nowhere.
class BatchHost : public AmortFormHost {
  public:
    void QueueFileSaveAs() override {}
    void UnloadAmortForm() override {}
    void UpdateMainCommands() override {}
};

enum class Typing { Done, UsageError, Refused };

// The form's fields as a loan's options give them, in the order a person would fill them in:
// the interest method and the dates before the frequency and its due-day pair. A field that
// refuses its entry keeps a person in it: nothing is typed after it. A choice option out of
// its range is a usage error, told in `error`.
Typing TypeOptions(AmortFormModel& form, AppState& state, const BatchOptions& options,
                   std::string& error);

// Writes a schedule as an Excel workbook; failures read as those of every other output.
using WorkbookWriter = std::optional<RunError> (*)(const std::filesystem::path& path,
                                                   const Schedule& schedule);

// The outputs that take libraries beyond the core, which only the drawing program links: a
// report drawn with Qt, a workbook written with libxlsxwriter.
struct DrawingProgramOutputs {
    DrawingStarter startDrawing;
    WorkbookWriter writeWorkbook;
};

// Whether the run asks for an output that only the drawing program can give (--pdf, --print,
// --xlsx).
bool NeedsDrawingProgram(const BatchOptions& options);

// The command as quorvia-batch runs it, on the core alone: a run that needs the drawing program
// is handed over to it.
int RunScheduleCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The command with `outputs` to draw a report and write a workbook; without them, a run that
// needs them is handed over to the drawing program once its options are read.
int RunSchedule(const CommandArgs& args, std::ostream& out, std::ostream& err,
                const DrawingProgramOutputs* outputs);

inline constexpr BatchCommand kScheduleCommand{
    "schedule", "schedule [LOAN.QRV] [OPTION]...", RunScheduleCommand,
    "A loan's schedule, from the amortization form: the form starts from the profile file's\n"
    "defaults (the program's with --no-prefs), takes the entries of LOAN.QRV, then the options\n"
    "as typed into its fields. A validated loan's schedule goes to each output named, else its\n"
    "summary lines to standard output. Messages and questions go to standard error.",
    ScheduleOptions};

}  // namespace quorvia
