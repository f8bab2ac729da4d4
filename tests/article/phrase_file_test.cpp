#include "article/phrase_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "boxscore/input_error.h"

namespace quillbat {
namespace {

// The records of a text as "line:category=template", or the refusal.
std::string recordsOf(const char* text) {
    try {
        std::string records;
        for (const PhraseRecord& record : parsePhraseFile(text, "pitch_won.dat").records) {
            records += std::to_string(record.line) + ":" + record.category + "=" +
                       record.phraseTemplate + "|";
        }
        return records;
    } catch (const InputError& error) {
        return error.what();
    }
}

TEST(PhraseFile, ReadsRecordsWithTheLineOfTheirCategory) {
    const std::pair<const char*, const char*> cases[] = {
        {"hot,A\ncold,B\n", "1:hot=A|2:cold=B|"},
        {"hot,A\r\ncold,B\rmild,C", "1:hot=A|2:cold=B|3:mild=C|"},
        {"  hot ,   A b  \n", "1:hot=A b|"},  // blanks before skipped, trailing dropped
        {"hot,\" A, b.  \"\n", "1:hot= A, b.  |"},
        {"\"hot\",A\n", "1:hot=A|"},
        {"hot,\"A\" junk\ncold,B\n", "1:hot=A|2:cold=B|"},
        {"\nhot,\"A\nB\"\ncold,C\nmild\nD\n", "2:hot=A\nB|4:cold=C|5:mild=D|"},
        {"\n   \nhot,A\n\n\t\ncold,B\n", "3:hot=A|6:cold=B|"},
        {"hot,A,cold,B\n", "1:hot=A|1:cold=B|"},
        {"hot,\ncold,B\n", "1:hot=|2:cold=B|"},
        {"hot,", "1:hot=|"},
        {"hot,\"\"\n", "1:hot=|"},
        {"", ""},
        {"hot,A\ncold,\"B\nmild,C\n",
         "pitch_won.dat: line 2: quotation mark opened here is never closed"},
        {"hot,A\n\ncold\n",
         "pitch_won.dat: line 3: ends with category \"cold\" that has no template"},
        {"hot,\"A\r\nB\"\r\ngap\r\n",
         "pitch_won.dat: line 3: ends with category \"gap\" that has no template"},
    };
    for (const auto& [text, records] : cases) {
        EXPECT_EQ(recordsOf(text), records) << text;
    }
}

}  // namespace
}  // namespace quillbat
