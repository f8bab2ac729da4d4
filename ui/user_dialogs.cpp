#include "ui/user_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "app/boxscore_filter.h"
#include "app/text_encoding.h"

namespace quillbat::ui {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString QtUserDialogs::chooseOpenFile(const QString& nameFilter, const QString& startFolder) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), startFolder,
                                        nameFilter);
}

std::optional<QString> QtUserDialogs::askText(const QString& title, const QString& prompt,
                                              const QString& preset) {
    bool accepted = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                         QLineEdit::Normal, preset, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text;
}

void QtUserDialogs::showMessage(const QString& title, const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

std::string DialogBoxscoreChooser::chooseBoxscore(const std::string& filterText,
                                                  const std::string& startFolder) {
    FilterParts parts = splitFilter(filterText);
    QStringList patterns;
    for (const std::string& pattern : parts.patterns) {
        patterns << fromUtf8(pattern);
    }
    QString nameFilter = fromUtf8(parts.description) + " (" + patterns.join(' ') + ")";
    // Native separators, so that path.dat and the saved article name read as on Windows.
    return toUtf8(
        QDir::toNativeSeparators(dialogs_.chooseOpenFile(nameFilter, fromUtf8(startFolder))));
}

std::optional<std::string> DialogTextInputBox::ask(const std::string& title,
                                                   const std::string& prompt,
                                                   const std::string& preset) {
    std::optional<QString> typed =
        dialogs_.askText(fromUtf8(title), fromUtf8(prompt), fromUtf8(preset));
    if (!typed) {
        return std::nullopt;
    }
    return toUtf8(*typed);
}

void SystemClipboard::setText(const std::string& text) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(fromUtf8(displayText(text)));
}

}  // namespace quillbat::ui
