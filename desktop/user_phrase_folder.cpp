#include "desktop/user_phrase_folder.h"

#include <string>

#include "article/phrase_catalog.h"
#include "system/file_system.h"

namespace quillbat {
namespace fs = std::filesystem;

int fillPhraseFolder(const fs::path& userFolder, const fs::path& shippedFolder, Env& env) {
    int copied = 0;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const fs::path name = pathFromUtf8(entry.fileName);
        const fs::path shipped = shippedFolder / name;
        if (env.isFile(userFolder / name) || !env.isFile(shipped)) {
            continue;
        }
        const std::string bytes = env.readFile(shipped, pathToUtf8(shipped));
        if (copied == 0) {
            env.createFolder(userFolder);
        }
        env.replaceFile(userFolder / name, bytes);
        ++copied;
    }
    return copied;
}

}  // namespace quillbat
