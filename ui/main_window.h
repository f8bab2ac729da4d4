#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <string>

#include "app/settings.h"

class QFrame;

// The main window (frmMain): menu, scoreboard, article box and the panel with the Copy To
// Clipboard and Save To File buttons.
namespace quillbat::ui {

class ArticleView;
class ScoreboardView;
class UserDialogs;
class AboutWindow;
class InstructionsWindow;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // A window whose phrase and settings files lie in programFolder, asking the user through
    // dialogs (which must outlive it). Lays out its blocks for the screen and loads the
    // settings; is not shown yet.
    MainWindow(std::filesystem::path programFolder, UserDialogs& dialogs,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The menu commands and buttons, each one call into the core.
    void loadBoxscore();
    void chooseDefaultTeam();
    void copyToClipboard();
    void saveToFile();
    void showAbout();
    void showInstructions();

  private:
    void buildMenu();
    QFrame* buildPanel(float dotsPerInch);
    void layOutBlocks(float dotsPerInch);

    std::filesystem::path programFolder_;
    UserDialogs& dialogs_;
    Settings settings_;
    std::string lastBoxscore_;  // the boxscore chosen last, which names the saved article

    ScoreboardView* scoreboard_;
    ArticleView* article_;
    QFrame* panel_;
    QPointer<AboutWindow> about_;
    QPointer<InstructionsWindow> instructions_;
};

}  // namespace quillbat::ui
