#include "app/user_phrase_folder.h"

#include <string>

#include "app/file_system.h"
#include "article/phrase_catalog.h"

namespace quillbat {
namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

bool holdsPhraseFiles(const fs::path& folder) {
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        if (isFile(folder / pathFromUtf8(entry.fileName))) {
            return true;
        }
    }
    return false;
}

int fillPhraseFolder(const fs::path& userFolder, const fs::path& shippedFolder, Env& env) {
    int copied = 0;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const fs::path name = pathFromUtf8(entry.fileName);
        const fs::path shipped = shippedFolder / name;
        if (isFile(userFolder / name) || !isFile(shipped)) {
            continue;
        }
        const std::string bytes = readWholeFile(shipped, pathToUtf8(shipped));
        if (copied == 0) {
            env.createFolder(userFolder);
        }
        env.replaceFile(userFolder / name, bytes);
        ++copied;
    }
    return copied;
}

}  // namespace quillbat
