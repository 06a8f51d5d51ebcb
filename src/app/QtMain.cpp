// The desktop program: one main window over the program's folder, one running copy per user.
#include <QApplication>

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "platform/ButtonAccessKeys.h"
#include "platform/InstanceLock.h"
#include "platform/QtPrinterService.h"
#include "platform/QtScheduleRunner.h"
#include "platform/QtUi.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvia");
    quorvia::ButtonAccessKeys::Install();

    quorvia::AppState state;
    quorvia::QtPrinterService printers;
    quorvia::QtUi ui;
    quorvia::InstanceLock lock;
    quorvia::MainWindow window(state, printers, ui);
    window.SetScheduleRunner(
        std::make_unique<quorvia::QtScheduleRunner>(state, ui, printers, &window));
    std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    if (!window.Start(programFolder, [&lock] { return !lock.TryLock(); })) {
        return 0;
    }
    return app.exec();
}
