#pragma once

#include <QMainWindow>
#include <QPointer>
#include <span>
#include <vector>

#include "app/article_format.h"
#include "app/desktop_menu.h"

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
    // Copy As: the article box's text with the game's headline and line score, in format; HTML
    // goes on the clipboard as HTML and as its source text.
    void copyAs(ArticleFormat format);
    // Newspaper Names switched on or off: the style of the names from the next load on.
    void switchNewspaperNames();
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
    // Adds the items to a menu bar or a menu, each command run by run().
    void addMenuItems(QWidget* menu, std::span<const MenuItem> items);
    // The handler of each menu command.
    void run(MenuCommand command);
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
    std::vector<QAction*> actionsNeedingGame_;
};

}  // namespace quillbat::qt
