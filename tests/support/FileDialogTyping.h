#pragma once
// Answers Qt's file dialog in widget tests as a person would: by typing into its name box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

namespace quorvia::testing {

// Runs `act` on Qt's file dialog once it shows.
inline void WhenTheDialogShows(std::function<void(QFileDialog&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start(20);
}

// Types the names as a person would and presses Enter. Names typed before the dialog has read
// its folder are not found there and the dialog stays; then they are typed again. A dialog that
// never takes them is cancelled, so the test fails instead of waiting for ever.
inline void TypeName(QFileDialog& dialog, const QString& text) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    for (int attempt = 0; attempt < 100 && dialog.isVisible(); ++attempt) {
        name->selectAll();
        QTest::keyClicks(name, text);
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog.isVisible()) {
            QTest::qWait(20);
        }
    }
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog did not take " << text.toStdString();
        dialog.reject();
    }
}

}  // namespace quorvia::testing
