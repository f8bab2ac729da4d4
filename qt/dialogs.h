#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <string_view>

#include "app/boxscore_filter.h"
#include "app/load_game.h"

// What the windows ask the user through: the Open dialog, the one-line input box and the
// message box. The program shows Qt's dialogs; the tests answer from a script.
namespace quillbat::qt {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // An Open dialog with a Qt name filter ("Boxscores (*050.box *051.box *052.box)") starting
    // in startFolder; the chosen file's full name, or an empty text on cancel.
    virtual QString chooseOpenFile(const QString& nameFilter, const QString& startFolder) = 0;
    // A one-line input box; the typed text, or nothing on cancel.
    virtual std::optional<QString> askText(const QString& title, const QString& prompt,
                                           const QString& preset) = 0;
    // A message with a single OK button.
    virtual void showMessage(const QString& title, const QString& text) = 0;
};

// Qt's own dialogs, over the program's active window.
class QtDialogs final : public Dialogs {
  public:
    QString chooseOpenFile(const QString& nameFilter, const QString& startFolder) override;
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& preset) override;
    void showMessage(const QString& title, const QString& text) override;
};

// The Open dialog's filter as Qt writes one: the description's name, then the patterns it
// lists in brackets ("Boxscores (*050.box *051.box *052.box)").
QString nameFilter(const BoxscoreFilter& filter);

// UTF-8 text of the core as a QString, and back.
QString fromUtf8(std::string_view text);
std::string toUtf8(const QString& text);

// A colour of the designs as Qt's.
QColor qColor(Rgb colour);

// Bytes of a boxscore or phrase file as the user should see them (see displayText).
QString shownText(const std::string& bytes);

}  // namespace quillbat::qt
