#pragma once

#include <string>
#include <string_view>

// The article box: the article's bytes shown as text the user can edit, and the edited text
// back as bytes for the file and the clipboard, in the encoding it was shown in.
namespace quillbat {

enum class ArticleEncoding { Utf8, Windows1252 };

struct ShownArticle {
    std::string text;  // UTF-8
    ArticleEncoding encoding = ArticleEncoding::Utf8;
};

// How an article's bytes are shown: bytes that are valid UTF-8 as they are, others decoded
// from Windows-1252.
ShownArticle showArticle(std::string_view bytes);

// The bytes of the text the user sees now (UTF-8; a line break as the text box gives it, LF or
// CR LF) in the encoding the article was shown in. Every line break becomes CR LF, as in the
// game's files. Text that Windows-1252 cannot hold (the user typed such a character) comes
// back as UTF-8, so nothing the user typed is lost.
std::string articleBytes(std::string_view shownText, ArticleEncoding encoding);

}  // namespace quillbat
