#include "cli/check_phrases.h"

#include <string_view>

#include "article/phrase_checker.h"
#include "core/phrase_folders.h"
#include "system/env.h"
#include "system/file_system.h"

namespace quillbat {

int checkPhraseFolder(const std::filesystem::path& folder,
                      const std::optional<std::filesystem::path>& shippedFolder,
                      std::ostream& out) {
    if (const std::optional<std::string> fault = phraseFolderFault(folder, systemEnv())) {
        out << *fault << '\n';
        return 1;
    }
    const PhraseCheck check = checkPhraseFiles([&](std::string_view fileName) {
        const std::filesystem::path path =
            phraseFilePath(folder, fileName, shippedFolder, systemEnv());
        return systemEnv().readFile(path, pathToUtf8(path));
    });
    for (const auto* found : {&check.problems, &check.warnings}) {
        for (const PhraseProblem& problem : *found) {
            out << formatPhraseProblem(problem) << '\n';
        }
    }
    return check.problems.empty() ? 0 : 1;
}

int checkProgramsPhraseFiles(std::ostream& out) {
    const FileLocations locations = thisProgramsFileLocations();
    out << "Phrase files: " << pathToUtf8(locations.phraseFolder) << '\n';
    return checkPhraseFolder(locations.phraseFolder, locations.shippedPhraseFolder, out);
}

}  // namespace quillbat
