#include "article/phrase_checker.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <map>
#include <string_view>

#include "article/append_phrase.h"
#include "article/phrase_catalog.h"
#include "article/phrase_claims.h"
#include "article/phrase_file.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool isSentenceEnd(char c) {
    return c == '.' || c == '!' || c == '?';
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool holds(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string tokenText(std::string_view name) {
    return "#" + std::string(name) + "#";
}

// The faults of one template. Token pieces are checked against the file's tokens and then
// stand as one letter while the sentence shape is checked: "X" (a capital, as the names and
// numbers that fill most of them begin) or, for a token whose value begins with a small
// letter, "x".
class TemplateCheck {
  public:
    // group is the category's group; nullptr for a category the file does not know, whose
    // template is read as one of the file's first group and need hold no token.
    TemplateCheck(std::string_view text, const PhraseFileEntry& entry, const CategoryGroup* group)
        : text_(text),
          entry_(entry),
          place_(group != nullptr ? group->place : entry.groups.front().place),
          group_(group) {}

    std::vector<std::string> faults() {
        if (text_.empty()) {
            return {"the template is empty"};
        }
        checkTokens();
        checkRequiredTokens();
        checkBlanks();
        checkStart();
        checkSentenceOpeningTokens();
        checkEnd();
        return std::move(faults_);
    }

  private:
    struct TokenAt {
        std::size_t shapeIndex;
        std::string_view name;
    };

    void checkTokens() {
        std::size_t marks = static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '#'));
        if (marks % 2 == 1) {
            faults_.push_back("a \"#\" has no partner: a token stands between two \"#\"");
        }
        std::size_t pieceStart = 0;
        for (std::size_t piece = 0; piece <= marks; ++piece) {
            std::size_t pieceEnd = std::min(text_.find('#', pieceStart), text_.size());
            std::string_view name = text_.substr(pieceStart, pieceEnd - pieceStart);
            bool isToken = piece % 2 == 1 && piece < marks;
            if (!isToken) {
                shape_.append(name);
            } else {
                tokens_.push_back({shape_.size(), name});
                shape_.push_back(holds(entry_.lowerCaseTokens, name) ? 'x' : 'X');
                if (!holds(entry_.tokens, name)) {
                    faults_.push_back("unknown token " + tokenText(name));
                }
            }
            pieceStart = pieceEnd + 1;
        }
    }

    void checkRequiredTokens() {
        if (group_ == nullptr) {
            return;
        }
        for (const std::vector<std::string_view>& anyOf : group_->requiredTokens) {
            bool met = std::any_of(tokens_.begin(), tokens_.end(),
                                   [&](const TokenAt& token) { return holds(anyOf, token.name); });
            if (!met) {
                std::string names;
                for (std::string_view name : anyOf) {
                    names += (names.empty() ? "" : " or ") + tokenText(name);
                }
                faults_.push_back("the template lacks " + names +
                                  ", which every template of this category holds");
            }
        }
    }

    // The token that stands at index of the shape, or nullptr.
    const TokenAt* tokenAt(std::size_t index) const {
        auto found = std::find_if(tokens_.begin(), tokens_.end(),
                                  [&](const TokenAt& token) { return token.shapeIndex == index; });
        return found == tokens_.end() ? nullptr : &*found;
    }

    // Whether a sentence begins at index of the shape: at the start of a template that is not
    // the rest of a sentence, or after a sentence end and its two blanks.
    bool sentenceBeginsAt(std::size_t index) const {
        if (index == 0) {
            return place_ != TemplatePlace::kAfterThe;
        }
        return index >= 3 && shape_[index - 1] == ' ' && shape_[index - 2] == ' ' &&
               isSentenceEnd(shape_[index - 3]);
    }

    // A fault when a lower-case token begins a sentence at index of the shape.
    bool lowerCaseTokenBeginsSentence(std::size_t index, std::string_view where) {
        const TokenAt* token = tokenAt(index);
        if (token == nullptr || shape_[index] != 'x') {
            return false;
        }
        faults_.push_back(std::string(where) + " with " + tokenText(token->name) +
                          ", whose value begins with a small letter");
        return true;
    }

    void checkBlanks() {
        bool blankBeforeComma = false;
        bool blankBeforePoint = false;
        for (std::size_t i = 0; i + 1 < shape_.size(); ++i) {
            if (shape_[i] != ' ') {
                continue;
            }
            char next = shape_[i + 1];
            bool pointEndsHere = i + 2 >= shape_.size() || shape_[i + 2] == ' ';
            blankBeforeComma = blankBeforeComma || next == ',';
            blankBeforePoint = blankBeforePoint || (next == '.' && pointEndsHere);
        }
        if (blankBeforeComma) {
            faults_.push_back("a blank stands before a comma");
        }
        if (blankBeforePoint) {
            faults_.push_back("a blank stands before a point");
        }
        std::size_t i = 0;
        while (i < shape_.size()) {
            if (shape_[i] != ' ') {
                ++i;
                continue;
            }
            std::size_t runStart = i;
            while (i < shape_.size() && shape_[i] == ' ') {
                ++i;
            }
            checkBlankRun(runStart, i - runStart);
        }
    }

    void checkBlankRun(std::size_t start, std::size_t length) {
        if (start == 0 || start + length == shape_.size()) {
            return;  // the start and the end have rules of their own
        }
        if (isSentenceEnd(shape_[start - 1])) {
            if (place_ == TemplatePlace::kHeadline) {
                faults_.push_back("a sentence ends inside the headline, which has none");
                return;
            }
            if (length != 2) {
                faults_.push_back("a sentence end is followed by " + std::to_string(length) +
                                  (length == 1 ? " blank" : " blanks") + " instead of two");
            }
            std::size_t next = start + length;
            if (!lowerCaseTokenBeginsSentence(next, "a sentence starts") &&
                !isUpper(shape_[next])) {
                faults_.push_back("a sentence starts with " + quoted(std::string(1, shape_[next])) +
                                  " instead of a capital letter");
            }
        } else if (length > 1) {
            faults_.push_back("blanks in a row away from a sentence end");
        }
    }

    void checkStart() {
        char first = text_.front();
        if (place_ == TemplatePlace::kAfterThe) {
            if (first != '#' && !isLower(first)) {
                faults_.push_back(
                    "a score template continues after \"the \": it starts with a token or a "
                    "lower-case word");
            } else if (startsWithWord("the")) {
                faults_.push_back(
                    "the template starts with \"the\", which the text before it "
                    "has already said");
            }
            return;
        }
        if (lowerCaseTokenBeginsSentence(0, "the template starts")) {
            return;
        }
        if (first != '#' && !isUpper(first)) {
            faults_.push_back("the template starts with " + quoted(std::string(1, first)) +
                              " instead of a capital letter");
        } else if (place_ == TemplatePlace::kHeadline &&
                   (startsWithWord("a") || startsWithWord("an") || startsWithWord("the"))) {
            faults_.push_back("a headline starts with an article, which headlines leave out");
        }
    }

    // Whether the template starts with the word, in any case, followed by a blank.
    bool startsWithWord(std::string_view word) const {
        if (text_.size() <= word.size() || text_[word.size()] != ' ') {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            char c = text_[i];
            if (isUpper(c)) {
                c = static_cast<char>(c - 'A' + 'a');
            }
            if (c != word[i]) {
                return false;
            }
        }
        return true;
    }

    void checkSentenceOpeningTokens() {
        for (const TokenAt& token : tokens_) {
            if (holds(entry_.sentenceOpeningTokens, token.name) &&
                !sentenceBeginsAt(token.shapeIndex)) {
                faults_.push_back(tokenText(token.name) +
                                  " stands inside a sentence; it only begins one");
            }
        }
    }

    void checkEnd() {
        if (shape_.empty()) {
            return;  // a lone "#": its fault is told already
        }
        char last = shape_.back();
        if (place_ == TemplatePlace::kArticleStart || place_ == TemplatePlace::kHeadline) {
            if (last == ' ' || last == ',' || isSentenceEnd(last)) {
                faults_.push_back(place_ == TemplatePlace::kHeadline
                                      ? "a headline ends without a point or blank"
                                      : "an opening template ends without a point or blank: the "
                                        "weather text follows it");
            }
            return;
        }
        std::size_t size = shape_.size();
        bool endsWell = size >= 3 && isSentenceEnd(shape_[size - 3]) && shape_[size - 2] == ' ' &&
                        shape_[size - 1] == ' ';
        if (!endsWell) {
            std::string message = "the template must end with a point (or \"!\") and two blanks";
            if (isSentenceEnd(last)) {
                message += "; a template that ends in blanks is written in quotation marks";
            }
            faults_.push_back(message);
        }
    }

    std::string_view text_;
    const PhraseFileEntry& entry_;
    TemplatePlace place_;
    const CategoryGroup* group_;
    std::string shape_;
    std::vector<TokenAt> tokens_;
    std::vector<std::string> faults_;
};

const CategoryGroup* groupOf(const PhraseFileEntry& entry, std::string_view category) {
    for (const CategoryGroup& group : entry.groups) {
        if (holds(group.categories, category)) {
            return &group;
        }
    }
    return nullptr;
}

void checkFile(const PhraseFileLines& reading, const PhraseFileEntry& entry, PhraseCheck& check) {
    std::string name(entry.fileName);
    auto lineFault = reading.faults.begin();
    const auto reportLineFaultsBefore = [&](int line) {
        for (; lineFault != reading.faults.end() && lineFault->line < line; ++lineFault) {
            check.problems.push_back({name, lineFault->line, "", lineFault->reason});
        }
    };
    std::map<std::string, int, std::less<>> counts;
    for (const PhraseRecord& record : reading.file.records) {
        reportLineFaultsBefore(record.line);
        int count = ++counts[record.category];
        const CategoryGroup* group = groupOf(entry, record.category);
        if (group == nullptr && count == 1) {
            check.problems.push_back({name, record.line, record.category,
                                      "the article never asks this file for this category"});
        }
        if (count == kMaxTemplatesPerCategory + 1) {
            check.problems.push_back({name, record.line, record.category,
                                      "more than " + std::to_string(kMaxTemplatesPerCategory) +
                                          " templates in one category"});
        }
        for (std::string& fault : TemplateCheck(record.phraseTemplate, entry, group).faults()) {
            check.problems.push_back({name, record.line, record.category, std::move(fault)});
        }
        if (group == nullptr) {
            continue;
        }
        for (std::string_view claim :
             claimsBeyondCategory(entry.fileName, record.category, record.phraseTemplate)) {
            check.warnings.push_back(
                {name, record.line, record.category,
                 "warning: " + quoted(claim) + " is more than this category knows"});
        }
    }
    reportLineFaultsBefore(std::numeric_limits<int>::max());
    for (std::string_view category : categoriesOf(entry)) {
        if (counts.find(category) == counts.end()) {
            check.problems.push_back(
                {name, 0, std::string(category), "no template of this category"});
        }
    }
}

}  // namespace

PhraseCheck checkPhraseFiles(const PhraseTexts& textOf) {
    PhraseCheck check;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const std::string name(entry.fileName);
        try {
            checkFile(readPhraseFileLines(textOf(entry.fileName), name), entry, check);
        } catch (const InputError& error) {
            check.problems.push_back(
                {std::string(entry.fileName), error.line(), "", error.reason()});
        }
    }
    return check;
}

std::string formatPhraseProblem(const PhraseProblem& problem) {
    std::string text = problem.file;
    if (problem.line > 0) {
        text += ": line " + std::to_string(problem.line);
    }
    if (!problem.category.empty()) {
        text += ": category " + quoted(problem.category);
    }
    return text + ": " + problem.message;
}

}  // namespace quillbat
