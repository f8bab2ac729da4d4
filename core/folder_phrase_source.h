#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "article/phrase_source.h"
#include "core/phrase_file_cache.h"

namespace quillbat {

// The phrase files of one folder. Every load looks at the file on disk (see PhraseFileCache), so
// a file edited while the program runs takes effect at the next phrase drawn from it. Errors
// name the file by its full path ("/opt/quillbat/score.dat: line 4: ...").
class FolderPhraseSource final : public PhraseSource {
  public:
    // The phrase files of folder, their modification times and the time asked of env. With a
    // shippedFolder, the phrase files the program comes with, a folder without story.dat takes
    // that one's (see phraseFilePath).
    FolderPhraseSource(std::filesystem::path folder, Env& env,
                       std::optional<std::filesystem::path> shippedFolder = std::nullopt);

    // Takes the phrase files of folder from the next load on.
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

    // Throws InputError when the file is missing, unreadable or malformed. The reference stays
    // valid until the next load of the same file.
    const PhraseFile& load(std::string_view fileName) override;

  private:
    std::filesystem::path folder_;
    std::optional<std::filesystem::path> shippedFolder_;
    Env& env_;
    PhraseFileCache cache_;
};

}  // namespace quillbat
