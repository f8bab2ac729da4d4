#include "qt/instructions_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/fonts.h"

namespace quillbat::qt {
namespace {

struct Instruction {
    const char* heading;
    const char* text;
};

constexpr Instruction kInstructions[] = {
    {"Player Names",
     "Since all information is derived solely from the boxscores, each player must have a "
     "unique name.  Common last names, should have an initial after them.  A comma is okay, but "
     "a space is not.  Good examples are Smith,B or Smith,Br or SmithB. A bad example would be "
     "Smith, B."},
    {"Default Team",
     "Select a team ID number to pull up all home boxscores for that team.  Set to -1 (negative "
     "1) to choose from ALL boxscores. Team IDs can be found in the DMB game by clicking on "
     "View-Organizer-Teams under the ID heading.  Disregard UID."},
    {"Load Boxscore",
     "Choose the boxscore you want to generate an article for.  Once selected, the article is "
     "copied to the clipboard for pasting and displayed in the text box for editing."},
    {"Save To File",
     "When you hit the Save To File button, Quillbat will save the contents of the textbox to a "
     "file in the same folder with the same name as the boxscore with a .txt extension."},
};

}  // namespace

InstructionsWindow::InstructionsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("frmInstructions");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle("Quillbat Instructions");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 255, 128));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* whole = new QVBoxLayout(this);
    for (const Instruction& instruction : kInstructions) {
        auto* heading = new QLabel(instruction.heading, this);
        heading->setFont(verdanaFont(9.75, true));
        auto* text = new QLabel(instruction.text, this);
        text->setFont(verdanaFont(9.75));
        text->setWordWrap(true);
        text->setFixedWidth(520);
        whole->addWidget(heading);
        whole->addWidget(text);
        whole->addSpacing(8);
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    whole->addWidget(ok, 0, Qt::AlignHCenter);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quillbat::qt
