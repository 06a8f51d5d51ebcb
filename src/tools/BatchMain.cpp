// quorvia-batch, on the core alone: it starts as fast as any small program. A schedule that
// draws its report or writes a workbook is handed over to the drawing program.

#include "tools/BatchProgram.h"
#include "tools/ScheduleCommand.h"

int main(int argc, char** argv) {
    return quorvia::RunBatch(quorvia::CommandArgs(argv + 1, argv + argc),
                             quorvia::RunScheduleCommand);
}
