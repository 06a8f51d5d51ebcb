#include "desktop/platform/QtDiagnostics.h"

#include <QtGlobal>

namespace quorvia {

namespace {

QtMessageHandler qtHandler = nullptr;

void DropChatter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtHandler(type, context, message);
    }
}

}  // namespace

void QuietenQtDiagnostics() {
    // Qt hands back its own default handler when none was installed before.
    QtMessageHandler previous = qInstallMessageHandler(DropChatter);
    if (previous != DropChatter) {
        qtHandler = previous;
    }
}

}  // namespace quorvia
