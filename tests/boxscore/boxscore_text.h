#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "boxscore/text_lines.h"

// Building boxscore texts for the reader's tests.
namespace quillbat::testing {

inline std::string readExample(const std::string& name) {
    std::ifstream in(std::string(QUILLBAT_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The 21 lines of the worked example (the lines before its form feed line).
inline std::vector<std::string> workedExampleLines() {
    std::string text = readExample("riverton-at-harbor-city.box");
    std::vector<std::string> lines;
    TextLines split(text);
    std::string_view line;
    while (lines.size() < 21 && split.next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

// A line of `width` blanks with text written from 1-based column on.
inline std::string atColumn(std::string line, int column, std::string_view text) {
    auto start = static_cast<std::size_t>(column - 1);
    if (line.size() < start + text.size()) {
        line.resize(start + text.size(), ' ');
    }
    line.replace(start, text.size(), text);
    return line;
}

}  // namespace quillbat::testing
