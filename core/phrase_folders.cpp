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

FileLocations thisProgramsFileLocations() {
    return fileLocations(thisProgramsSurroundings(), [](const std::filesystem::path& folder) {
        return holdsPhraseFiles(folder, systemEnv());
    });
}

}  // namespace quillbat
