#include "core/phrase_folders.h"

#include "article/phrase_catalog.h"
#include "article/story_sentence.h"
#include "system/file_system.h"

namespace quillbat {

bool holdsPhraseFiles(const std::filesystem::path& folder, Env& env) {
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        if (env.isFile(folder / pathFromUtf8(entry.fileName))) {
            return true;
        }
    }
    return false;
}

std::filesystem::path phraseFilePath(const std::filesystem::path& folder, std::string_view fileName,
                                     const std::optional<std::filesystem::path>& shippedFolder,
                                     Env& env) {
    const std::filesystem::path own = folder / pathFromUtf8(fileName);
    if (fileName != kStoryPhraseFile || !shippedFolder || env.isFile(own)) {
        return own;
    }
    const std::filesystem::path shipped = *shippedFolder / pathFromUtf8(fileName);
    return env.isFile(shipped) ? shipped : own;
}

std::optional<std::string> phraseFolderFault(const std::filesystem::path& folder, Env& env) {
    if (env.isFolder(folder)) {
        return std::nullopt;
    }
    return pathToUtf8(folder) + (env.isFile(folder)
                                     ? ": is a file, not the folder of phrase files"
                                     : ": the folder of phrase files does not exist");
}

FileLocations thisProgramsFileLocations() {
    return fileLocations(thisProgramsSurroundings(), [](const std::filesystem::path& folder) {
        return holdsPhraseFiles(folder, systemEnv());
    });
}

}  // namespace quillbat
