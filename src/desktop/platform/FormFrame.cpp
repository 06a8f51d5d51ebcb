#include "desktop/platform/FormFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "core/base/KeyCodes.h"
#include "desktop/platform/AccessKeys.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/StatusPanel.h"

namespace quorvia {

namespace {

// The key as the form's key handlers know it, or 0 for a key they do not hear.
int HeardKey(const QKeyEvent& event, FormFrame::Keys keys) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key_code::kEnter;
        case Qt::Key_Escape:
            return key_code::kEsc;
        case Qt::Key_Backspace:
            return keys == FormFrame::Keys::Typing ? key_code::kBackspace : 0;
        default:
            break;
    }
    QString text = event.text();
    if (keys == FormFrame::Keys::Typing && text.size() == 1 && text.at(0).unicode() >= 32) {
        return text.at(0).unicode();
    }
    return 0;
}

}  // namespace

FormFrame::FormFrame(QWidget& form, QtUi& ui, Keys keys, std::function<void()> refresh)
    : form_(form), ui_(ui), keys_(keys), refresh_(std::move(refresh)) {
    form_.installEventFilter(this);
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

// The focus moves while the widgets go; the model must not hear of it any more.
FormFrame::~FormFrame() {
    disconnect(focusConnection_);
}

void FormFrame::Register(QWidget* widget, std::string_view name, Handlers handlers) {
    widget->setObjectName(Q(name));
    widget->installEventFilter(this);
    controls_.push_back({widget, std::move(handlers)});
}

QPushButton* FormFrame::AddButton(std::string_view name, const QString& caption,
                                  std::function<void()> click, std::function<void()> gotFocus,
                                  AfterClick after) {
    auto* button = new QPushButton(caption, &form_);
    button->setAutoDefault(false);
    // Enter presses the command button that has the focus.
    auto enterPresses = [button](int key) {
        if (key != key_code::kEnter) {
            return false;
        }
        button->click();
        return true;
    };
    Register(button, name, {std::move(gotFocus), {}, enterPresses});
    connect(button, &QPushButton::clicked, this, [this, click = std::move(click), after] {
        if (after == AfterClick::Closes) {
            MarkActive();
            click();
            return;
        }
        Handle(click);
    });
    return button;
}

const FormFrame::Control* FormFrame::ControlOf(const QObject* widget) const {
    for (const Control& control : controls_) {
        if (control.widget == widget) {
            return &control;
        }
    }
    return nullptr;
}

void FormFrame::MarkActive() {
    ui_.SetActiveForm(&form_);
}

void FormFrame::Handle(const std::function<void()>& handler) {
    MarkActive();
    handler();
    Refresh();
    if (Done()) {
        static_cast<QDialog&>(form_).done(QDialog::Accepted);
    }
}

void FormFrame::Refresh() {
    refresh_();
}

void FormFrame::ClickButton(std::string_view name) {
    for (const Control& control : controls_) {
        auto* button = qobject_cast<QAbstractButton*>(control.widget);
        if (button && control.widget->objectName() == Q(name)) {
            FocusAndPress(*button);
            return;
        }
    }
}

QLabel* FormFrame::StatusPanel() {
    if (!status_) {
        status_ = NewStatusPanel(&form_);
    }
    return status_;
}

void FormFrame::ShowStatus(const std::string& text) {
    StatusPanel()->setText(Q(text).replace("&&", "&"));
}

void FormFrame::ShowToolTip(std::string_view control, const std::string& tip) {
    for (const Control& entry : controls_) {
        if (entry.widget->objectName() == Q(control)) {
            entry.widget->setToolTip(Q(tip));
        }
    }
}

void FormFrame::SetCloseQuestion(std::function<bool()> keepsOpen) {
    keepsOpen_ = std::move(keepsOpen);
}

void FormFrame::SetDoneWhen(std::function<bool()> done) {
    done_ = std::move(done);
}

void FormFrame::FocusChanged(QWidget* now) {
    const Control* next = ControlOf(now);
    if (!next || now == lastFocused_ || Done()) {
        return;
    }
    MarkActive();
    const Control* previous = ControlOf(lastFocused_);
    lastFocused_ = now;
    if (previous && previous->handlers.lostFocus && HearsLeaveEvents(previous->widget)) {
        previous->handlers.lostFocus(now->objectName().toStdString());
    }
    if (QApplication::focusWidget() == now && next->handlers.gotFocus) {
        next->handlers.gotFocus();
    }
    Refresh();
}

bool FormFrame::KeyPress(const Control& control, int key) {
    bool swallowed = false;
    Handle([&] { swallowed = control.handlers.keyPress(key); });
    return swallowed;
}

bool FormFrame::Closing(QEvent* event) {
    if (!keepsOpen_) {
        return false;
    }
    MarkActive();
    if (!keepsOpen_()) {
        return false;
    }
    event->ignore();
    Refresh();
    return true;
}

bool FormFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Close) {
        return Closing(event);
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const Control* control = ControlOf(watched);
    int key = HeardKey(*static_cast<QKeyEvent*>(event), keys_);
    if (!control || !control->handlers.keyPress || key == 0) {
        return false;
    }
    return KeyPress(*control, key);
}

}  // namespace quorvia
