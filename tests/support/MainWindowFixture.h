#pragma once
// The main window of a widget test and what it stands on: a program folder of its own, the
// built-in PDF printer alone, message boxes answered from a queue and kept, a fixed today.

#include <deque>
#include <vector>

#include "desktop/app/MainWindow.h"
#include "support/FakePrinterService.h"
#include "support/QueuedAnswers.h"
#include "support/TempFolder.h"

namespace quorvia::testing {

struct MainWindowParts {
    MainWindowParts() : printers({PdfPrinter()}) {
        AnswerFromQueue(ui, messages, answers);
        // The file dialogs start in the documents folder: the test's own, never the home folder.
        state.DocumentsFolder = folder.Path();
    }

    TempFolder folder;
    AppState state;
    FakePrinterService printers;
    QtUi ui;
    std::vector<Message> messages;
    std::deque<MsgAnswer> answers;
    MainWindow window{state, printers, ui, [] { return MakeDate(2026, 12, 7); }};
};

}  // namespace quorvia::testing
