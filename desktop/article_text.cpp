#include "desktop/article_text.h"

#include "core/text_encoding.h"

namespace quillbat {
namespace {

std::string withCrLfLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            out += '\r';
        }
        out += text[i];
    }
    return out;
}

}  // namespace

ShownArticle showArticle(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return {std::string(bytes), ArticleEncoding::Utf8};
    }
    return {windows1252ToUtf8(bytes), ArticleEncoding::Windows1252};
}

std::string articleBytes(std::string_view shownText, ArticleEncoding encoding) {
    std::string utf8 = withCrLfLineBreaks(shownText);
    if (encoding == ArticleEncoding::Utf8) {
        return utf8;
    }
    return utf8ToWindows1252(utf8).value_or(utf8);
}

}  // namespace quillbat
