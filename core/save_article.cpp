#include "core/save_article.h"

#include <algorithm>
#include <cctype>

#include "core/text_encoding.h"
#include "system/file_system.h"

namespace quillbat {
namespace {

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// The byte offset where the last `count` characters of a UTF-8 name begin, or npos when the
// name has no more than `count` characters.
std::size_t startOfLastCharacters(const std::string& name, std::size_t count) {
    std::size_t position = name.size();
    for (std::size_t seen = 0; seen < count; ++seen) {
        if (position == 0) {
            return std::string::npos;
        }
        --position;
        while (position > 0 && isUtf8Continuation(name[position])) {
            --position;
        }
    }
    return position == 0 ? std::string::npos : position;
}

// True when the two names differ at most in the case of ASCII letters: one file on Windows.
bool sameFileName(std::string_view one, std::string_view other) {
    return std::equal(
        one.begin(), one.end(), other.begin(), other.end(),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

// Replaces the file named after the boxscore with ending by bytes.
void writeBesideBoxscore(Env& env, const std::string& boxscorePath, std::string_view ending,
                         std::string_view bytes) {
    std::string fileName = articleFileName(boxscorePath, ending);
    if (fileName.empty()) {
        throw FileWriteError("cannot write an article for \"" + boxscorePath +
                             "\": the name is too short to make a text file's name from");
    }
    // The article file takes the boxscore's name; for a boxscore that already ends in the
    // ending that would be the boxscore itself (on Windows whatever the case of the letters).
    if (sameFileName(fileName, boxscorePath)) {
        throw FileWriteError("cannot write " + fileName +
                             ": it is the boxscore itself, which would be overwritten");
    }
    env.replaceFile(pathFromUtf8(fileName), bytes);
}

}  // namespace

std::string articleFileName(const std::string& boxscorePath, std::string_view ending) {
    std::size_t cut = startOfLastCharacters(boxscorePath, 3);
    if (cut == std::string::npos) {
        return {};
    }
    return boxscorePath.substr(0, cut) + std::string(ending);
}

std::string savedArticleText(std::string_view article) {
    std::size_t first = article.find_first_not_of(' ');
    std::string text;
    if (first != std::string_view::npos) {
        std::size_t last = article.find_last_not_of(' ');
        text = article.substr(first, last - first + 1);
    }
    return text + "\r\n";
}

std::size_t articleLength(std::string_view article) {
    if (!isValidUtf8(article)) {
        return article.size();
    }
    return static_cast<std::size_t>(std::count_if(
        article.begin(), article.end(), [](char byte) { return !isUtf8Continuation(byte); }));
}

bool saveArticle(Env& env, const std::string& boxscorePath, std::string_view article) {
    if (articleLength(article) < kShortestSavedArticle) {
        return false;
    }
    writeBesideBoxscore(env, boxscorePath, fileEnding(ArticleFormat::kText),
                        savedArticleText(article));
    return true;
}

bool saveArticle(Env& env, const std::string& boxscorePath, ArticleFormat format,
                 const ArticleParts& parts) {
    if (format == ArticleFormat::kText) {
        return saveArticle(env, boxscorePath, parts.article);
    }
    if (articleLength(parts.article) < kShortestSavedArticle) {
        return false;
    }
    writeBesideBoxscore(env, boxscorePath, fileEnding(format), renderArticle(format, parts));
    return true;
}

}  // namespace quillbat
