#include "qt/article_view.h"

#include "app/text_encoding.h"
#include "qt/dialogs.h"
#include "qt/fonts.h"

namespace quillbat::qt {

ArticleView::ArticleView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("txtArticle");
    setFont(verdanaFont(11.25));
}

void ArticleView::setArticle(const std::string& bytes) {
    shownAsUtf8_ = isValidUtf8(bytes);
    setPlainText(shownText(bytes));
}

std::string ArticleView::article() const {
    QString shown = toPlainText();
    shown.replace('\n', "\r\n");
    std::string utf8 = toUtf8(shown);
    if (shownAsUtf8_) {
        return utf8;
    }
    return utf8ToWindows1252(utf8).value_or(utf8);
}

}  // namespace quillbat::qt
