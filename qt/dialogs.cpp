#include "qt/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include "app/text_encoding.h"

namespace quillbat::qt {
namespace {

// An input box's prompt wraps at about this width, as input boxes do, instead of making the
// box as wide as the prompt.
constexpr int kPromptWidth = 420;

}  // namespace

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QColor qColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QString shownText(const std::string& bytes) {
    return fromUtf8(displayText(bytes));
}

QString nameFilter(const BoxscoreFilter& filter) {
    return fromUtf8(dialogDescription(filter));
}

QString QtDialogs::chooseOpenFile(const QString& nameFilter, const QString& startFolder) {
    // Native separators, so that path.dat and the saved article's name read as the system
    // writes them.
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QString(), startFolder, nameFilter));
}

std::optional<QString> QtDialogs::askText(const QString& title, const QString& prompt,
                                          const QString& preset) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setFixedWidth(kPromptWidth);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

void QtDialogs::showMessage(const QString& title, const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

}  // namespace quillbat::qt
