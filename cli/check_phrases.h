#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

namespace quillbat {

// Checks the phrase files in `folder` (see checkPhraseFiles) and writes one line per problem,
// then one per warning, naming the file, the line and the category, to out; a folder that does
// not exist is one problem (see phraseFolderFault). The story.dat checked is the one the
// articles use: shippedFolder's when folder has none (see phraseFilePath). Returns 0 when there
// is no problem, 1 otherwise, as quillbat-cli --check-phrases exits: warnings leave the status
// alone.
int checkPhraseFolder(const std::filesystem::path& folder,
                      const std::optional<std::filesystem::path>& shippedFolder, std::ostream& out);

// Checks the phrase files the programs use when no folder is named (thisProgramsFileLocations)
// as checkPhraseFolder does, after a first line naming their folder: "Phrase files: " and the
// folder. Returns as checkPhraseFolder.
int checkProgramsPhraseFiles(std::ostream& out);

}  // namespace quillbat
