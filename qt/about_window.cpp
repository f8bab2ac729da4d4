#include "qt/about_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/file_system.h"
#include "app/system_info.h"
#include "app/version.h"
#include "qt/dialogs.h"
#include "qt/fonts.h"
#include "qt/pictures.h"

namespace quillbat::qt {
namespace {

const QColor kLightGreen(128, 255, 128);

QLabel* label(const char* name, const QString& text, const QFont& font, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    shown->setFont(font);
    return shown;
}

// A line of the separator, one pixel high.
QFrame* line(const QColor& colour, QWidget* parent) {
    auto* drawn = new QFrame(parent);
    drawn->setFixedHeight(1);
    drawn->setAutoFillBackground(true);
    QPalette palette = drawn->palette();
    palette.setColor(QPalette::Window, colour);
    drawn->setPalette(palette);
    return drawn;
}

}  // namespace

QString versionText() {
    return "Version " + fromUtf8(std::string(programVersion()));
}

AboutWindow::AboutWindow(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle("About Quillbat");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kLightGreen);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(baseballPicture(48));
    icon->setAlignment(Qt::AlignTop);

    QLabel* title = label("lblTitle", "Quillbat Software", tahomaFont(8.25, true), this);
    QLabel* name = label("lblName", "Quillbat", tahomaFont(24, true, true), this);
    QLabel* version = label("lblVersion", versionText(), tahomaFont(14.25, true, true), this);
    QLabel* description = label("lblDescription",
                                "This application generates an article about a baseball game "
                                "from boxscore.  This program is not affiliated with Diamond "
                                "Mind Baseball or Imagine Sports in any manner.",
                                tahomaFont(8.25, true), this);
    description->setWordWrap(true);
    description->setMinimumWidth(320);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* systemInfo = new QPushButton("&System Info...", this);
    systemInfo->setObjectName("cmdSysInfo");
    connect(systemInfo, &QPushButton::clicked, this, &AboutWindow::startSystemInfo);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* separator = new QVBoxLayout;
    separator->setSpacing(0);
    separator->addWidget(line(QColor(128, 128, 128), this));
    separator->addWidget(line(Qt::white, this));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(systemInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(separator);
    whole->addLayout(bottom);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::startSystemInfo() {
    std::optional<std::string> program =
        systemInfoProgram(*systemRegistry(), [](const std::string& file) {
            std::error_code error;
            return std::filesystem::is_regular_file(pathFromUtf8(file), error);
        });
    if (program && QProcess::startDetached(fromUtf8(*program), {})) {
        return;
    }
    dialogs_.showMessage(windowTitle(), kSystemInfoUnavailable);
}

}  // namespace quillbat::qt
