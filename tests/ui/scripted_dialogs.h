#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/user_dialogs.h"

namespace quillbat::ui {

// Dialogs that answer from a script and remember what they were asked.
class ScriptedDialogs final : public UserDialogs {
  public:
    QString chooseOpenFile(const QString& nameFilter, const QString& startFolder) override {
        filters << nameFilter;
        startFolders << startFolder;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& preset) override {
        asked << title + "|" + prompt + "|" + preset;
        return texts.isEmpty() ? std::nullopt : texts.takeFirst();
    }
    void showMessage(const QString&, const QString& text) override { messages << text; }

    QStringList files;                    // the files chosen in turn; empty for a cancel
    QList<std::optional<QString>> texts;  // the texts typed in turn; nothing for a cancel
    QStringList filters;
    QStringList startFolders;
    QStringList asked;
    QStringList messages;
};

}  // namespace quillbat::ui
