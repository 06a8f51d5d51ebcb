#include "desktop/help/HelpKey.h"

#include <QKeyEvent>
#include <QWidget>

#include "core/help/ProgramHelp.h"

namespace quorvia {

namespace {

constexpr const char* kHelpContextProperty = "quorviaHelpContext";

}  // namespace

void SetHelpContext(QWidget& window, int context) {
    window.setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid()) {
            return context.toInt();
        }
    }
    return 0;
}

HelpKeyFilter::HelpKeyFilter(HelpEngine& engine, Ui& ui, QObject* parent)
    : QObject(parent), engine_(engine), ui_(ui) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    bool override = event->type() == QEvent::ShortcutOverride;
    if ((event->type() != QEvent::KeyPress && !override) || !watched->isWidgetType()) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) {
        return false;
    }
    int context = HelpContextOf(static_cast<QWidget*>(watched));
    if (context == 0) {
        return false;
    }
    // F1 in a window with a topic of its own is that window's, before the main window's F1
    // (Help | Contents) would take it.
    if (override) {
        event->accept();
        return true;
    }
    ProgramHelp(engine_, ui_).Topic(context);
    return true;
}

}  // namespace quorvia
