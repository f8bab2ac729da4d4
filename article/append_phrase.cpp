#include "article/append_phrase.h"

#include <cstddef>

#include "boxscore/input_error.h"

namespace quillbat {
namespace {

std::string_view valueOf(std::string_view piece, const PhraseTokens& tokens) {
    for (const PhraseToken& token : tokens) {
        if (piece == token.name) {
            return token.value;
        }
    }
    return piece;
}

}  // namespace

void appendPhrase(ArticleContext& context, std::string_view fileName, std::string_view category,
                  const PhraseTokens& tokens) {
    const PhraseFile& file = context.phrases.load(fileName);
    std::vector<const std::string*> templates;
    for (const PhraseRecord& record : file.records) {
        if (record.category != category) {
            continue;
        }
        if (templates.size() == kMaxTemplatesPerCategory) {
            throw InputError(file.fileName, record.line,
                             "category \"" + std::string(category) + "\" has more than " +
                                 std::to_string(kMaxTemplatesPerCategory) + " templates");
        }
        templates.push_back(&record.phraseTemplate);
    }
    int slot = drawVariant(context.random, static_cast<int>(templates.size()));
    if (templates.empty()) {
        return;
    }
    std::string_view text = *templates[static_cast<std::size_t>(slot)];
    for (;;) {
        std::size_t hash = text.find('#');
        context.article.append(valueOf(text.substr(0, hash), tokens));
        if (hash == std::string_view::npos) {
            break;
        }
        text.remove_prefix(hash + 1);
    }
}

}  // namespace quillbat
