#include "qt/article_view.h"

#include "desktop/article_text.h"
#include "desktop/window_design.h"
#include "qt/conversions.h"
#include "qt/fonts.h"

namespace quillbat::qt {

ArticleView::ArticleView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(fromUtf8(kArticleName));
    setFont(designedFont(kArticleFont));
}

void ArticleView::setArticle(const std::string& bytes) {
    ShownArticle shown = showArticle(bytes);
    encoding_ = shown.encoding;
    setPlainText(fromUtf8(shown.text));
}

std::string ArticleView::article() const {
    return articleBytes(toUtf8(toPlainText()), encoding_);
}

}  // namespace quillbat::qt
