#pragma once

#include <QPlainTextEdit>
#include <string>

#include "desktop/article_text.h"

// The article text box: editable, as long as the article is.
namespace quillbat::qt {

// Shows an article's bytes decoded (UTF-8 when they are valid UTF-8, otherwise Windows-1252)
// and gives the user's text back in the same encoding.
class ArticleView final : public QPlainTextEdit {
  public:
    explicit ArticleView(QWidget* parent = nullptr);

    void setArticle(const std::string& bytes);
    // The text as the user sees it now, edits included, in the encoding it was shown in; line
    // breaks the user typed are CR LF, as in the game's files. Text that Windows-1252 cannot
    // hold (the user typed such a character) comes back as UTF-8.
    std::string article() const;

  private:
    ArticleEncoding encoding_ = ArticleEncoding::Utf8;
};

}  // namespace quillbat::qt
