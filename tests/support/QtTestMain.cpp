// The test entry point of the programs that need a running Qt application.
#include <gtest/gtest.h>
#include <QApplication>

#include "desktop/platform/AccessKeys.h"
#include "desktop/platform/ScreenFit.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    quorvia::AccessKeys::Install();
    quorvia::ScreenFit::Install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
