#include "desktop/about/AboutForm.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/ProgramVersion.h"
#include "desktop/platform/QtText.h"

namespace quorvia {

namespace {

QFrame* Divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

bool QtProgramStarter::Start(const std::filesystem::path& program, std::string_view argument) {
    QStringList arguments;
    if (!argument.empty()) {
        arguments << Q(argument);
    }
    return QProcess::startDetached(QString::fromStdString(program.string()), arguments);
}

AboutForm::AboutForm(Ui& ui, ProgramStarter& starter, std::string searchPath, QWidget* owner)
    : QDialog(owner), model_(ui, starter, std::move(searchPath)) {
    setObjectName("frmAbout1");
    setWindowTitle("About " + Q(kProgramName));
    model_.Form_Load();

    auto* picture = new QLabel(this);
    picture->setObjectName("picIcon");
    picture->setPixmap(QPixmap(":/toolbar/amort.png")
                           .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* title = new QLabel(Q(kProgramName), this);
    title->setObjectName("lblTitle");
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    lblVersion_ = new QLabel(QString::fromStdString(model_.lblVersion), this);
    lblVersion_->setObjectName("lblVersion");
    auto* description =
        new QLabel("A loan-amortization workbench for people who make loans.", this);
    description->setObjectName("lblDescription");
    auto* notice = new QLabel(Q(kLegalNotice), this);
    notice->setObjectName("lblNotice");

    auto* disclaimer = new QLabel(Q(kAboutDisclaimer), this);
    disclaimer->setObjectName("lblDisclaimer");
    disclaimer->setWordWrap(true);

    cmdOK_ = new QPushButton("OK", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setDefault(true);
    cmdSysInfo_ = new QPushButton("&System Info...", this);
    cmdSysInfo_->setObjectName("cmdSysInfo");
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] {
        cmdOK_->setFocus();
        model_.StartSysInfo();
    });

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(lblVersion_);
    text->addWidget(description);
    text->addWidget(notice);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Divider(this));
    layout->addLayout(top);
    layout->addWidget(Divider(this));
    layout->addLayout(bottom);
    setFixedWidth(520);
    adjustSize();
}

}  // namespace quorvia
