#pragma once

#include <QMainWindow>
#include <QPointer>

class QFrame;

// The main window (frmMain): menu, scoreboard, article box and the panel with the Copy To
// Clipboard and Save To File buttons.
namespace quillbat {
class DesktopSession;
}

namespace quillbat::qt {

class AboutWindow;
class ArticleView;
class Dialogs;
class InstructionsWindow;
class ScoreboardView;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // A window over session, asking the user through dialogs; both must outlive it. Lays out
    // its blocks for the screen; is not shown yet. A .box file dropped on it is loaded.
    MainWindow(DesktopSession& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The menu commands and buttons, each one call into the core.
    void loadBoxscore();
    void chooseDefaultTeam();
    void copyToClipboard();
    void saveToFile();
    void openPhraseFolder();
    void showAbout();
    void showInstructions();

    // Loads the boxscore at path as Load Boxscore does once a file is chosen.
    void loadFile(const QString& path);
    // Loads the boxscore at path as soon as the window is first shown (a boxscore named on the
    // command line).
    void loadWhenShown(const QString& path);

  protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenu();
    QFrame* buildPanel(float dotsPerInch);
    void layOutBlocks(float dotsPerInch);

    DesktopSession& session_;
    Dialogs& dialogs_;
    ScoreboardView* scoreboard_;
    ArticleView* article_;
    QFrame* panel_;
    QPointer<AboutWindow> about_;
    QPointer<InstructionsWindow> instructions_;
    QString loadWhenShown_;
};

}  // namespace quillbat::qt
