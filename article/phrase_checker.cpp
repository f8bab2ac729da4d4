#include "article/phrase_checker.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <string_view>

#include "article/append_phrase.h"
#include "article/phrase_catalog.h"
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

// The faults of one template. Token pieces are checked against the file's tokens and then
// stand as "X" (a capital, as the names and numbers that fill them begin) while the sentence
// shape is checked.
class TemplateCheck {
  public:
    TemplateCheck(std::string_view text, const PhraseFileEntry& entry)
        : text_(text), entry_(entry) {}

    std::vector<std::string> faults() {
        if (text_.empty()) {
            return {"the template is empty"};
        }
        if (text_.find_first_of("\r\n") != std::string_view::npos) {
            faults_.push_back("the template holds a line break; the article is one line");
        }
        checkTokens();
        checkBlanks();
        checkStart();
        checkEnd();
        return std::move(faults_);
    }

  private:
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
                shape_.push_back('X');
                if (std::find(entry_.tokens.begin(), entry_.tokens.end(), name) ==
                    entry_.tokens.end()) {
                    faults_.push_back("unknown token #" + std::string(name) + "#");
                }
            }
            pieceStart = pieceEnd + 1;
        }
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
            if (length != 2) {
                faults_.push_back("a sentence end is followed by " + std::to_string(length) +
                                  (length == 1 ? " blank" : " blanks") + " instead of two");
            }
            char next = shape_[start + length];
            if (!isUpper(next)) {
                faults_.push_back("a sentence starts with " + quoted(std::string(1, next)) +
                                  " instead of a capital letter");
            }
        } else if (length > 1) {
            faults_.push_back("blanks in a row away from a sentence end");
        }
    }

    void checkStart() {
        char first = text_.front();
        if (entry_.place == TemplatePlace::kAfterThe) {
            if (first != '#' && !isLower(first)) {
                faults_.push_back(
                    "a score template continues after \"the \": it starts with a token or a "
                    "lower-case word");
            } else if (startsWithThe()) {
                faults_.push_back(
                    "the template starts with \"the\", which the text before it "
                    "has already said");
            }
        } else if (first != '#' && !isUpper(first)) {
            faults_.push_back("the template starts with " + quoted(std::string(1, first)) +
                              " instead of a capital letter");
        }
    }

    bool startsWithThe() const {
        return text_.size() >= 4 && (text_[0] == 't' || text_[0] == 'T') && text_[1] == 'h' &&
               text_[2] == 'e' && text_[3] == ' ';
    }

    void checkEnd() {
        char last = shape_.back();
        if (entry_.place == TemplatePlace::kArticleStart) {
            if (last == ' ' || last == ',' || isSentenceEnd(last)) {
                faults_.push_back(
                    "an opening template ends without a point or blank: the weather text "
                    "follows it");
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
    std::string shape_;
    std::vector<std::string> faults_;
};

void checkFile(const PhraseFile& file, const PhraseFileEntry& entry,
               std::vector<PhraseProblem>& problems) {
    std::string name(entry.fileName);
    std::map<std::string, int, std::less<>> counts;
    for (const PhraseRecord& record : file.records) {
        int count = ++counts[record.category];
        bool known = std::find(entry.categories.begin(), entry.categories.end(), record.category) !=
                     entry.categories.end();
        if (!known && count == 1) {
            problems.push_back({name, record.line, record.category,
                                "the article never asks this file for this category"});
        }
        if (count == kMaxTemplatesPerCategory + 1) {
            problems.push_back({name, record.line, record.category,
                                "more than " + std::to_string(kMaxTemplatesPerCategory) +
                                    " templates in one category"});
        }
        for (std::string& fault : TemplateCheck(record.phraseTemplate, entry).faults()) {
            problems.push_back({name, record.line, record.category, std::move(fault)});
        }
    }
    for (std::string_view category : entry.categories) {
        if (counts.find(category) == counts.end()) {
            problems.push_back({name, 0, std::string(category), "no template of this category"});
        }
    }
}

}  // namespace

std::vector<PhraseProblem> checkPhraseFiles(PhraseSource& phrases) {
    std::vector<PhraseProblem> problems;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        try {
            checkFile(phrases.load(entry.fileName), entry, problems);
        } catch (const InputError& error) {
            problems.push_back({std::string(entry.fileName), error.line(), "", error.reason()});
        }
    }
    return problems;
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
