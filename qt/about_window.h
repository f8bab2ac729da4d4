#pragma once

#include <QDialog>

// The About window (frmAbout): name, version and description of the program, and a button
// that starts the system's System Information tool.
namespace quillbat::qt {

class Dialogs;

class AboutWindow final : public QDialog {
    Q_OBJECT
  public:
    // A window that is destroyed when closed and tells its messages through dialogs.
    explicit AboutWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // Starts the System Information tool, or tells the user it is unavailable.
    void startSystemInfo();

  private:
    Dialogs& dialogs_;
};

}  // namespace quillbat::qt
