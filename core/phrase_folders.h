#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "system/env.h"
#include "system/file_locations.h"

// Where the program takes its phrase files from.
namespace quillbat {

// Whether folder holds at least one of the nine phrase files, as env sees it.
bool holdsPhraseFiles(const std::filesystem::path& folder, Env& env);

// Where the phrase file fileName of folder is read from: the folder's own file, except for
// story.dat, which phrase folders made before it lack: when folder has none and shippedFolder
// (the one that comes with the program) has one, that one. As env sees them.
std::filesystem::path phraseFilePath(const std::filesystem::path& folder, std::string_view fileName,
                                     const std::optional<std::filesystem::path>& shippedFolder,
                                     Env& env);

// Why folder, named to hold the phrase files, cannot: one line naming it and the reason
// ("/home/ann/phrases: the folder of phrase files does not exist"), as env sees it; nothing when
// it is a folder.
std::optional<std::string> phraseFolderFault(const std::filesystem::path& folder, Env& env);

// The locations of the running program (see fileLocations): its surroundings, and the phrase
// files as systemEnv() sees them.
FileLocations thisProgramsFileLocations();

}  // namespace quillbat
