#include "core/phrase_folders.h"

#include "article/phrase_catalog.h"
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
