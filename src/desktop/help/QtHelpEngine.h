#pragma once
// The help engine of the desktop program: the Qt Help collection beside the program, shown in
// the help window, which opens on the first call and closes at exit.

#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

#include "core/help/HelpEngine.h"
#include "desktop/help/HelpWindow.h"

class QHelpEngine;
class QWidget;

namespace quorvia {

class QtHelpEngine : public HelpEngine {
  public:
    // The help window is owned by `owner` (the main window) when one is given.
    explicit QtHelpEngine(QWidget* owner = nullptr);
    ~QtHelpEngine() override;

    void SetHelpFile(const std::filesystem::path& file,
                     const std::filesystem::path& indexFolder) override;
    bool HasHelpFile() const override;
    std::optional<RunError> Call(const HelpCall& call) override;

    // The window, once a call has opened it; Quit hides it.
    HelpWindow* Window() const { return window_; }

  private:
    std::optional<RunError> Open();
    std::optional<RunError> ShowTopic(int context);
    void Quit();
    void Release();

    QWidget* owner_;
    std::filesystem::path helpFile_;
    std::filesystem::path indexFolder_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<HelpWindow> window_;
};

}  // namespace quorvia
