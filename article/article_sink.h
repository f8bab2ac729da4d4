#pragma once

#include <string>
#include <string_view>

namespace quillbat {

// Where the paragraph writers put the article: each piece goes at the current end, with
// nothing added in between.
class ArticleSink {
  public:
    virtual ~ArticleSink() = default;
    virtual void append(std::string_view text) = 0;
};

// An article kept in memory, for the command-line tool and the tests.
class StringArticle final : public ArticleSink {
  public:
    void append(std::string_view text) override { text_.append(text); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace quillbat
