#include "app/save_article.h"

#include <algorithm>
#include <cctype>

#include "app/file_system.h"
#include "app/text_encoding.h"

namespace quillbat {
namespace {

constexpr std::size_t kShortestSavedArticle = 16;

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

bool endsInTxt(const std::string& name) {
    if (name.size() < 3) {
        return false;
    }
    std::string ending = name.substr(name.size() - 3);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == "txt";
}

}  // namespace

std::string articleFileName(const std::string& boxscorePath) {
    std::size_t cut = startOfLastCharacters(boxscorePath, 3);
    if (cut == std::string::npos) {
        return {};
    }
    return boxscorePath.substr(0, cut) + "txt";
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
    std::string fileName = articleFileName(boxscorePath);
    if (fileName.empty()) {
        throw FileWriteError("cannot write an article for \"" + boxscorePath +
                             "\": the name is too short to make a text file's name from");
    }
    // The article file takes the boxscore's name; for a boxscore that already ends in "txt"
    // that would be the boxscore itself (on Windows whatever the case of the letters).
    if (endsInTxt(boxscorePath)) {
        throw FileWriteError("cannot write " + fileName +
                             ": it is the boxscore itself, which would be overwritten");
    }
    env.replaceFile(pathFromUtf8(fileName), savedArticleText(article));
    return true;
}

std::string saveToFile(Env& env, const std::string& lastBoxscore, std::string_view article) {
    if (articleLength(article) < kShortestSavedArticle) {
        return {};
    }
    if (lastBoxscore.empty()) {
        return kLoadBoxscoreFirst;
    }
    try {
        saveArticle(env, lastBoxscore, article);
    } catch (const FileWriteError& error) {
        return error.what();
    }
    return {};
}

}  // namespace quillbat
