#pragma once

#include <QDialog>

// The About window (frmAbout): name, version and description of the program, and a button
// that starts the system's System Information tool.
namespace quillbat::qt {

class AboutWindow final : public QDialog {
    Q_OBJECT
  public:
    // A window that is destroyed when closed.
    explicit AboutWindow(QWidget* parent = nullptr);

    // Tells the user that the System Information tool, a program of Windows, is unavailable.
    void startSystemInfo();
};

}  // namespace quillbat::qt
