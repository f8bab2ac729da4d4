#include "qt/instructions_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/window_design.h"
#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/window_look.h"

namespace quillbat::qt {

InstructionsWindow::InstructionsWindow(QWidget* parent) : QDialog(parent) {
    makeSmallWindow(this, "frmInstructions", kInstructionsTitle);

    auto* whole = new QVBoxLayout(this);
    for (const Instruction& instruction : kInstructions) {
        auto* heading = new QLabel(fromUtf8(instruction.heading), this);
        heading->setFont(designedFont(kInstructionHeadingFont));
        auto* text = new QLabel(fromUtf8(instruction.text), this);
        text->setFont(designedFont(kInstructionTextFont));
        text->setWordWrap(true);
        text->setFixedWidth(520);
        whole->addWidget(heading);
        whole->addWidget(text);
        whole->addSpacing(8);
    }
    auto* ok = new QPushButton(fromUtf8(kOkCaption), this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    whole->addWidget(ok, 0, Qt::AlignHCenter);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quillbat::qt
