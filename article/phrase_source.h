#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

// One record of a phrase file: a category and its template, with the line the record starts on.
struct PhraseRecord {
    std::string category;
    std::string phraseTemplate;
    int line = 0;
};

// The records of one phrase file in file order.
struct PhraseFile {
    std::string fileName;
    std::vector<PhraseRecord> records;
};

// Gives the phrase files by their bare names ("score.dat"). Every call reflects the file as it
// is now on disk, so an edited phrase file takes effect at the next phrase drawn from it.
class PhraseSource {
  public:
    virtual ~PhraseSource() = default;
    // Throws InputError naming the file (and the line) when it is missing, unreadable or
    // malformed. The reference stays valid until the next call.
    virtual const PhraseFile& load(std::string_view fileName) = 0;
};

}  // namespace quillbat
