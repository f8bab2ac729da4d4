#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

// A fault in a phrase file. line is the line the record starts on, 0 when the fault concerns
// the whole file; category is empty when the fault concerns no one category.
struct PhraseProblem {
    std::string file;
    int line = 0;
    std::string category;
    std::string message;

    bool operator==(const PhraseProblem&) const = default;
};

// What a check of the phrase files found. Problems make a set unfit to write articles with;
// warnings name templates that claim more than their category knows (see phrase_claims.h), which
// the article still writes.
struct PhraseCheck {
    std::vector<PhraseProblem> problems;
    std::vector<PhraseProblem> warnings;
};

// The text of a phrase file by its name in the catalog ("score.dat"). Throws InputError when
// the file cannot be read (missing, unreadable).
using PhraseTexts = std::function<std::string(std::string_view fileName)>;

// Checks the ten phrase files of the catalog, in catalog order. A file that cannot be read
// gives one problem with the reason and is not checked further. A file is read one record a
// line (see readPhraseFileLines): a line that is no record is a problem of its own, and the
// lines after it are checked all the same. The file is checked for: every category its writer
// can ask for, no category it never asks for, at most 126 templates per category, only the
// tokens the file fills, the tokens every template of a category must hold, and templates that
// join the text around them: see TemplatePlace for how each kind begins and ends; inside a
// template, every sentence end is a point, "!" or "?" followed by exactly two blanks and a
// capital letter or a token, no sentence begins with a token whose value begins with a small
// letter, a token that opens sentences stands nowhere else, and no blank stands before a comma
// or a sentence-ending point. Problems come in the order of their lines, those of the whole
// file last. Each template of a category the file knows is then read for claims beyond its
// category: one warning per claim phrase.
PhraseCheck checkPhraseFiles(const PhraseTexts& textOf);

// One line naming the file, the line and the category where they apply:
// score.dat: line 12: category "close": unknown token #loosers#
// score.dat: line 41: category "close": warning: "held off" is more than this category knows
std::string formatPhraseProblem(const PhraseProblem& problem);

}  // namespace quillbat
