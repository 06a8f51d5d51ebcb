// The desktop program: one main window over the program's folder, one running copy per user.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "core/about/BuildVersion.h"
#include "core/session/AppState.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/QtScheduleRunner.h"
#include "desktop/platform/ButtonAccessKeys.h"
#include "desktop/platform/InstanceLock.h"
#include "desktop/platform/QtPrinterService.h"
#include "desktop/platform/QtUi.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << quorvia::CommandLineVersionText("quorvia") << "\n";
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvia");
    quorvia::ButtonAccessKeys::Install();

    quorvia::AppState state;
    quorvia::QtPrinterService printers;
    quorvia::QtUi ui;
    quorvia::InstanceLock lock;
    quorvia::MainWindow window(state, printers, ui);
    auto runner = std::make_unique<quorvia::QtScheduleRunner>(state, ui, printers, &window);
    window.SetPrinterDialog(runner->PrinterDialog());
    window.SetScheduleRunner(std::move(runner));
    std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    if (!window.Start(programFolder, [&lock] { return !lock.TryLock(); })) {
        return 0;
    }
    return app.exec();
}
