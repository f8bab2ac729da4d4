#include "article/phrase_file.h"

#include <cstddef>
#include <vector>

#include "boxscore/input_error.h"
#include "boxscore/text_lines.h"

namespace quillbat {
namespace {

struct Field {
    std::string value;
    int line = 0;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Splits the text into fields, counting lines from 1.
class FieldScanner {
  public:
    FieldScanner(std::string_view text, const std::string& fileName)
        : text_(text), fileName_(fileName) {}

    std::vector<Field> scan() {
        std::vector<Field> fields;
        bool afterComma = false;
        while (pos_ < text_.size() || afterComma) {
            skipBlanks();
            if (!afterComma && atLineEndOrFinish()) {
                skipLineEnd();
                continue;
            }
            int fieldLine = line_;
            std::string value = atQuote() ? readQuoted() : readUnquoted();
            fields.push_back({std::move(value), fieldLine});
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                afterComma = true;
            } else {
                skipLineEnd();
                afterComma = false;
            }
        }
        return fields;
    }

  private:
    bool atLineEndOrFinish() const { return pos_ == text_.size() || isLineEnd(text_[pos_]); }
    bool atQuote() const { return pos_ < text_.size() && text_[pos_] == '"'; }

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    // Moves past one line end (CR LF counts as one) and counts it; does nothing at the finish.
    void skipLineEnd() {
        if (pos_ == text_.size()) {
            return;
        }
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
            ++pos_;
        }
        ++pos_;
        ++line_;
    }

    std::string readUnquoted() {
        std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1])) {
            --end;
        }
        return std::string(text_.substr(start, end - start));
    }

    // Reads a quoted field, counting the line ends inside it, and leaves the scanner on the
    // comma or line end that ends the field.
    std::string readQuoted() {
        std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            throw InputError(fileName_, line_, "quotation mark opened here is never closed");
        }
        std::string value(text_.substr(pos_ + 1, close - pos_ - 1));
        line_ += countLineEnds(value);
        pos_ = close + 1;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
            ++pos_;
        }
        return value;
    }

    static int countLineEnds(std::string_view value) {
        int count = 0;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '\n' ||
                (value[i] == '\r' && (i + 1 == value.size() || value[i + 1] != '\n'))) {
                ++count;
            }
        }
        return count;
    }

    std::string_view text_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

PhraseFile parsePhraseFile(std::string_view text, const std::string& fileName) {
    std::vector<Field> fields = FieldScanner(text, fileName).scan();
    PhraseFile file;
    file.fileName = fileName;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        file.records.push_back(
            {std::move(fields[i].value), std::move(fields[i + 1].value), fields[i].line});
    }
    if (fields.size() % 2 != 0) {
        const Field& last = fields.back();
        throw InputError(fileName, last.line,
                         "ends with category \"" + last.value + "\" that has no template");
    }
    return file;
}

PhraseFileLines readPhraseFileLines(std::string_view text, const std::string& fileName) {
    PhraseFileLines reading;
    reading.file.fileName = fileName;
    TextLines lines(text);
    int number = 0;
    for (std::string_view line; lines.next(line);) {
        ++number;
        std::vector<Field> fields;
        try {
            fields = FieldScanner(line, fileName).scan();
        } catch (const InputError&) {
            reading.faults.push_back(
                {number, "quotation mark opened here is not closed on this line"});
            continue;
        }
        if (fields.size() == 1) {
            reading.faults.push_back({number, "no comma between a category and its template"});
        } else if (fields.size() > 2) {
            reading.faults.push_back(
                {number,
                 "a comma after the template: a template that holds a comma is written in "
                 "quotation marks"});
        } else if (fields.size() == 2) {
            reading.file.records.push_back(
                {std::move(fields[0].value), std::move(fields[1].value), number});
        }
    }
    return reading;
}

}  // namespace quillbat
