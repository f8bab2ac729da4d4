#include "fuzz/shipped_phrases.h"

#include "article/phrase_catalog.h"
#include "article/phrase_file.h"
#include "boxscore/input_error.h"
#include "system/file_system.h"

namespace quillbat::fuzzing {

ShippedPhrases::ShippedPhrases(const std::filesystem::path& folder) {
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        std::string name(entry.fileName);
        files_[name] = parsePhraseFile(readWholeFile(folder / name, name), name);
    }
}

const PhraseFile& ShippedPhrases::load(std::string_view fileName) {
    auto found = files_.find(fileName);
    if (found == files_.end()) {
        throw InputError(std::string(fileName), "is not one of the shipped phrase files");
    }
    return found->second;
}

}  // namespace quillbat::fuzzing
