#include "ui/article_view.h"

#include <optional>

#include "app/text_encoding.h"
#include "ui/fonts.h"
#include "ui/user_dialogs.h"

namespace quillbat::ui {

ArticleView::ArticleView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("txtArticle");
    setFont(verdanaFont(11.25));
}

void ArticleView::clear() {
    bytes_.clear();
    shownAsUtf8_ = true;
    QPlainTextEdit::clear();
}

void ArticleView::append(std::string_view text) {
    bytes_.append(text);
    shownAsUtf8_ = isValidUtf8(bytes_);
    setPlainText(fromUtf8(displayText(bytes_)));
}

std::string ArticleView::text() const {
    QString shown = toPlainText();
    shown.replace('\n', "\r\n");
    std::string utf8 = toUtf8(shown);
    if (shownAsUtf8_) {
        return utf8;
    }
    return utf8ToWindows1252(utf8).value_or(utf8);
}

}  // namespace quillbat::ui
