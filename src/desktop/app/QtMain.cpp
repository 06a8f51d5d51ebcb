// The desktop program: one main window over the program's folder, one running copy per user.
// A loan data file named on the command line (as a file manager's "Open with" names it) is
// opened once the window is up.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstring>
#include <iostream>

#include "core/about/BuildVersion.h"
#include "core/session/AppState.h"
#include "desktop/app/MainWindow.h"
#include "desktop/platform/AccessKeys.h"
#include "desktop/platform/InstanceLock.h"
#include "desktop/platform/QtPrinterService.h"
#include "desktop/platform/QtUi.h"
#include "desktop/platform/ScreenFit.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << quorvia::CommandLineVersionText("quorvia") << "\n";
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvia");
    quorvia::AccessKeys::Install();
    quorvia::ScreenFit::Install();

    quorvia::AppState state;
    quorvia::QtPrinterService printers;
    quorvia::QtUi ui;
    quorvia::InstanceLock lock;
    quorvia::MainWindow window(state, printers, ui);
    std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    if (!window.Start(programFolder, [&lock] { return !lock.TryLock(); })) {
        return 0;
    }
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        std::string path = QFileInfo(arguments[1]).absoluteFilePath().toStdString();
        QTimer::singleShot(0, &window, [&window, path] { window.OpenFileAtStart(path); });
    }
    return app.exec();
}
