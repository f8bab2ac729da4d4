#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "app/default_team.h"
#include "app/load_command.h"

// What the windows ask the user through: the Open dialog, the one-line input box and the
// message box. The program shows Qt's dialogs; the tests answer from a script.
namespace quillbat::ui {

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // An Open dialog with a Qt name filter ("Boxscores (*.box) (*050.box *051.box)") starting
    // in startFolder; the chosen file's full name, or an empty text on cancel.
    virtual QString chooseOpenFile(const QString& nameFilter, const QString& startFolder) = 0;
    // A one-line input box; the typed text, or nothing on cancel.
    virtual std::optional<QString> askText(const QString& title, const QString& prompt,
                                           const QString& preset) = 0;
    // A message with a single OK button.
    virtual void showMessage(const QString& title, const QString& text) = 0;
};

// Qt's own dialogs, over the program's active window.
class QtUserDialogs final : public UserDialogs {
  public:
    QString chooseOpenFile(const QString& nameFilter, const QString& startFolder) override;
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& preset) override;
    void showMessage(const QString& title, const QString& text) override;
};

// The load command's boxscore chooser: turns the filter text into a Qt name filter.
class DialogBoxscoreChooser final : public BoxscoreChooser {
  public:
    explicit DialogBoxscoreChooser(UserDialogs& dialogs) : dialogs_(dialogs) {}
    std::string chooseBoxscore(const std::string& filterText,
                               const std::string& startFolder) override;

  private:
    UserDialogs& dialogs_;
};

// The Default Team command's input box.
class DialogTextInputBox final : public TextInputBox {
  public:
    explicit DialogTextInputBox(UserDialogs& dialogs) : dialogs_(dialogs) {}
    std::optional<std::string> ask(const std::string& title, const std::string& prompt,
                                   const std::string& preset) override;

  private:
    UserDialogs& dialogs_;
};

// The system clipboard, as plain text. The article's bytes are shown as the windows show them.
class SystemClipboard final : public Clipboard {
  public:
    void setText(const std::string& text) override;
};

// UTF-8 text of the core as a QString, and back.
QString fromUtf8(const std::string& text);
std::string toUtf8(const QString& text);

}  // namespace quillbat::ui
