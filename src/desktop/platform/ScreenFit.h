#pragma once
// Every window the program shows opens whole inside the part of its screen that windows may
// use (without panels and docks), title bar and frame included, whatever the screen's size and
// scale factor. A window larger than that room is made smaller (the forms scroll what no
// longer fits), and one placed partly outside it is moved in; a main window nobody placed opens
// centred. The window manager's frame is only known once a window was shown: until then the
// frame of a window already shown stands in for it, else a usual title bar, and the window is
// fitted again when its own frame becomes known.
//
// Installed once on the application, the filter serves every window as it shows.

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

namespace quorvia {

class ScreenFit : public QObject {
  public:
    using QObject::QObject;

    // Installs one filter on the running application, owned by it.
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The part of the window's screen that windows may use.
QRect AvailableArea(const QWidget& window);
// The room the window manager's frame takes around the window (above: the title bar).
QMargins FrameMarginsOf(const QWidget& window);
// The largest size the window may take with its frame inside the available area.
QSize RoomFor(const QWidget& window);
// Makes the window smaller where it is larger than its room and moves its frame inside the
// available area.
void KeepOnScreen(QWidget& window);

}  // namespace quorvia
