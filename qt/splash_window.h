#pragma once

#include <QTimer>
#include <QWidget>

// The splash window (frmSplash): the program's name above its picture, on white, for 2.5
// seconds; then it shows the main window and closes.
namespace quillbat::qt {

class SplashWindow final : public QWidget {
    Q_OBJECT
  public:
    // A splash that hands over to mainWindow (not owned; must outlive the splash's tick). Lays
    // itself out for the screen and starts its timer.
    explicit SplashWindow(QWidget& mainWindow);

  private:
    void handOver();

    QWidget& mainWindow_;
    QTimer timer_{this};  // a child of the splash, so that it can be found by its name
};

}  // namespace quillbat::qt
