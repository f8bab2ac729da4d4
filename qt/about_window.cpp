#include "qt/about_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/window_design.h"
#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/pictures.h"
#include "qt/window_look.h"

namespace quillbat::qt {
namespace {

QLabel* label(const char* name, std::string_view text, const FontDesign& font, QWidget* parent) {
    auto* shown = new QLabel(fromUtf8(text), parent);
    shown->setObjectName(QString::fromLatin1(name));
    shown->setFont(designedFont(font));
    return shown;
}

// A line of the separator, one pixel high.
QFrame* line(Rgb colour, QWidget* parent) {
    auto* drawn = new QFrame(parent);
    drawn->setFixedHeight(1);
    paintBackground(drawn, colour);
    return drawn;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    makeSmallWindow(this, "frmAbout", kAboutTitle);

    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(baseballPicture(48));
    icon->setAlignment(Qt::AlignTop);

    QLabel* title = label("lblTitle", kAboutHeading, kAboutHeadingFont, this);
    QLabel* name = label("lblName", kAboutName, kAboutNameFont, this);
    QLabel* version = label("lblVersion", versionText(), kAboutVersionFont, this);
    QLabel* description = label("lblDescription", kAboutDescription, kAboutDescriptionFont, this);
    description->setWordWrap(true);
    description->setMinimumWidth(320);

    auto* ok = new QPushButton(fromUtf8(kOkCaption), this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* systemInfo = new QPushButton(fromUtf8(kSystemInfoCaption), this);
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
    separator->addWidget(line(kSeparatorGrey, this));
    separator->addWidget(line(kWhite, this));

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
    // The System Information tool is a program of Windows.
    QMessageBox::warning(this, windowTitle(), fromUtf8(kSystemInfoUnavailable));
}

}  // namespace quillbat::qt
