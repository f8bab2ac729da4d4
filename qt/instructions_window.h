#pragma once

#include <QDialog>

// The Instructions window (frmInstructions): four headings, each with its text, and OK.
namespace quillbat::qt {

class InstructionsWindow final : public QDialog {
    Q_OBJECT
  public:
    // A window that is destroyed when closed.
    explicit InstructionsWindow(QWidget* parent = nullptr);
};

}  // namespace quillbat::qt
