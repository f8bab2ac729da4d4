#include "core/folder_phrase_source.h"

#include <utility>

#include "core/phrase_folders.h"
#include "system/file_system.h"

namespace quillbat {

FolderPhraseSource::FolderPhraseSource(std::filesystem::path folder, Env& env,
                                       std::optional<std::filesystem::path> shippedFolder)
    : folder_(std::move(folder)),
      shippedFolder_(std::move(shippedFolder)),
      env_(env),
      cache_(env) {}

const PhraseFile& FolderPhraseSource::load(std::string_view fileName) {
    const std::filesystem::path path = phraseFilePath(folder_, fileName, shippedFolder_, env_);
    const std::string displayName = pathToUtf8(path);
    return cache_.load(path, displayName);
}

}  // namespace quillbat
