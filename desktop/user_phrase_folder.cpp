#include "desktop/user_phrase_folder.h"

#include <string>
#include <vector>

#include "article/phrase_catalog.h"
#include "paper/league_paper.h"
#include "system/file_system.h"

namespace quillbat {
namespace fs = std::filesystem;

int fillPhraseFolder(const fs::path& userFolder, const fs::path& shippedFolder, Env& env) {
    std::vector<fs::path> names;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        names.push_back(pathFromUtf8(entry.fileName));
    }
    names.push_back(pathFromUtf8(kPaperStyleSheet));
    int copied = 0;
    for (const fs::path& name : names) {
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
