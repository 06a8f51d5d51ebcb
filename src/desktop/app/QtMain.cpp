// The desktop program: one main window, one running copy per user. A loan data file named on the
// command line (as a file manager's "Open with" names it) is opened once the window is up; while
// a copy runs, a later one hands its file to that copy and ends.
#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <optional>

#include "core/about/BuildVersion.h"
#include "core/app/DesktopCommandLine.h"
#include "core/session/AppState.h"
#include "core/session/ProgramFolders.h"
#include "desktop/app/MainWindow.h"
#include "desktop/platform/AccessKeys.h"
#include "desktop/platform/InstanceLock.h"
#include "desktop/platform/QtDiagnostics.h"
#include "desktop/platform/QtPrinterService.h"
#include "desktop/platform/QtUi.h"
#include "desktop/platform/RunningCopy.h"
#include "desktop/platform/ScreenFit.h"

namespace {

constexpr int kExitUsage = 2;

// The command line's answer when it is all there is to do: --help, --version or a usage error.
std::optional<int> AnswerCommandLine(const quorvia::DesktopCommandLine& line) {
    using Action = quorvia::DesktopCommandLine::Action;
    switch (line.action) {
        case Action::Run:
            return std::nullopt;
        case Action::Help:
            std::cout << quorvia::DesktopUsageText();
            return 0;
        case Action::Version:
            std::cout << quorvia::CommandLineVersionText("quorvia") << "\n";
            return 0;
        case Action::UsageError:
            std::cerr << "quorvia: " << line.error << "\n" << quorvia::DesktopUsageText();
            return kExitUsage;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    quorvia::DesktopCommandLine line =
        quorvia::ParseDesktopCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (std::optional<int> exitCode = AnswerCommandLine(line)) {
        return *exitCode;
    }
    quorvia::QuietenQtDiagnostics();
    // Qt is not given the arguments: a loan file's name is never taken for one of its options.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("Quorvia");
    quorvia::AccessKeys::Install();
    quorvia::ScreenFit::Install();

    quorvia::AppState state;
    quorvia::QtPrinterService printers;
    quorvia::QtUi ui;
    quorvia::InstanceLock lock;
    quorvia::RunningCopy runningCopy;
    quorvia::MainWindow window(state, printers, ui);
    std::string file = line.file.empty() ? "" : std::filesystem::absolute(line.file).string();
    auto otherCopy = [&] {
        if (lock.TryLock()) {
            runningCopy.Listen(
                [&window](const std::string& handed) { window.TakeHandedOverFile(handed); });
            return quorvia::OtherCopy::None;
        }
        return quorvia::RunningCopy::HandOver(file) ? quorvia::OtherCopy::TookOver
                                                    : quorvia::OtherCopy::Unreachable;
    };
    if (!window.Start(quorvia::ExecutableFolder(), otherCopy)) {
        return 0;
    }
    if (!file.empty()) {
        QTimer::singleShot(0, &window, [&window, file] { window.OpenFileAtStart(file); });
    }
    return app.exec();
}
