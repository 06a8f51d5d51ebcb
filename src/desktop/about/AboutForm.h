#pragma once
// The about box (frmAbout1): the program's name, the version of this build, the disclaimer,
// OK and System Info. What the buttons do is AboutModel's.

#include <QDialog>

#include "core/about/AboutModel.h"

class QLabel;
class QPushButton;

namespace quorvia {

// Starts a program detached from this one.
class QtProgramStarter : public ProgramStarter {
  public:
    bool Start(const std::filesystem::path& program, std::string_view argument) override;
};

inline constexpr std::string_view kAboutDisclaimer =
    "Quorvia computes loan schedules to help you plan and explain loans. Check every "
    "schedule against the loan documents and the rules that govern your loans before you "
    "rely on it: the program and its figures come without warranty of any kind.";

class AboutForm : public QDialog {
    Q_OBJECT
  public:
    AboutForm(Ui& ui, ProgramStarter& starter, std::string searchPath, QWidget* owner);

    AboutModel& Model() { return model_; }
    QLabel* VersionLabel() const { return lblVersion_; }
    QPushButton* SysInfoButton() const { return cmdSysInfo_; }

  private:
    AboutModel model_;
    QLabel* lblVersion_;
    QPushButton* cmdOK_;
    QPushButton* cmdSysInfo_;
};

}  // namespace quorvia
