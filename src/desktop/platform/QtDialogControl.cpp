#include "desktop/platform/QtDialogControl.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "core/base/AtomicFile.h"
#include "core/base/InputFile.h"
#include "desktop/platform/QtText.h"

namespace quorvia {

namespace {

constexpr std::size_t kControlFileLimit = 16 * 1024 * 1024;
constexpr int kNoSuchProperty = 438;
constexpr int kInvalidPicture = 481;

ControlKind KindOf(const QWidget* widget) {
    if (qobject_cast<const QTextEdit*>(widget)) {
        return ControlKind::RichText;
    }
    if (qobject_cast<const QLabel*>(widget)) {
        return ControlKind::Picture;
    }
    if (qobject_cast<const QListWidget*>(widget)) {
        return ControlKind::List;
    }
    return ControlKind::Text;
}

RunError NoSuchContents() {
    return {kNoSuchProperty, "Object doesn't support this property or method"};
}

QString PlainText(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        return plain->toPlainText();
    }
    if (auto* rich = qobject_cast<const QTextEdit*>(widget)) {
        return rich->toPlainText();
    }
    return {};
}

bool SetPlainText(QWidget* widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        rich->setPlainText(text);
    } else {
        return false;
    }
    return true;
}

// The contents of the given kind as the bytes of a file; nothing when the widget has none.
std::optional<QByteArray> Contents(const QWidget* widget, ControlKind what,
                                   const std::filesystem::path& file) {
    switch (what) {
        case ControlKind::RichText:
            if (auto* rich = qobject_cast<const QTextEdit*>(widget)) {
                return rich->toHtml().toUtf8();
            }
            return std::nullopt;
        case ControlKind::Picture:
            if (auto* label = qobject_cast<const QLabel*>(widget)) {
                QByteArray bytes;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::WriteOnly);
                QByteArray format = QFileInfo(Q(file.string())).suffix().toLower().toUtf8();
                label->pixmap().toImage().save(&buffer, format.isEmpty() ? "PNG" : format.data());
                return bytes;
            }
            return std::nullopt;
        case ControlKind::List:
            if (auto* list = qobject_cast<const QListWidget*>(widget)) {
                QString text;
                for (int row = 0; row < list->count(); ++row) {
                    text += list->item(row)->text() + "\n";
                }
                return text.toUtf8();
            }
            return std::nullopt;
        case ControlKind::Text:
            if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QListWidget*>(widget)) {
                return std::nullopt;
            }
            return PlainText(widget).toUtf8();
    }
    return std::nullopt;
}

std::optional<RunError> SetContents(QWidget* widget, ControlKind what, const QByteArray& bytes) {
    switch (what) {
        case ControlKind::RichText:
            if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
                rich->setHtml(QString::fromUtf8(bytes));
                return std::nullopt;
            }
            break;
        case ControlKind::Picture:
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QImage image = QImage::fromData(bytes);
                if (image.isNull()) {
                    return RunError{kInvalidPicture, "Invalid picture"};
                }
                label->setPixmap(QPixmap::fromImage(image));
                return std::nullopt;
            }
            break;
        case ControlKind::List:
            if (auto* list = qobject_cast<QListWidget*>(widget)) {
                list->clear();
                list->addItems(QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts));
                return std::nullopt;
            }
            break;
        case ControlKind::Text:
            if (SetPlainText(widget, QString::fromUtf8(bytes))) {
                return std::nullopt;
            }
            break;
    }
    return NoSuchContents();
}

}  // namespace

QtDialogControl::QtDialogControl(QWidget* widget) : widget_(widget), kind_(KindOf(widget)) {}

std::optional<RunError> QtDialogControl::SaveTo(const std::filesystem::path& file,
                                                ControlKind what) {
    std::optional<QByteArray> bytes = Contents(widget_, what, file);
    if (!bytes) {
        return NoSuchContents();
    }
    return WriteFileAtomically(
        file, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

std::optional<RunError> QtDialogControl::LoadFrom(const std::filesystem::path& file,
                                                  ControlKind what) {
    std::string bytes;
    if (std::optional<RunError> error = ReadInputFile(file, kControlFileLimit, "file", bytes)) {
        return error;
    }
    return SetContents(widget_, what,
                       QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace quorvia
