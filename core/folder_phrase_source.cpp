#include "core/folder_phrase_source.h"

#include <utility>

#include "system/file_system.h"

namespace quillbat {

FolderPhraseSource::FolderPhraseSource(std::filesystem::path folder, Env& env)
    : folder_(std::move(folder)), cache_(env) {}

const PhraseFile& FolderPhraseSource::load(std::string_view fileName) {
    const std::filesystem::path path = folder_ / pathFromUtf8(fileName);
    const std::string displayName = pathToUtf8(path);
    return cache_.load(path, displayName);
}

}  // namespace quillbat
