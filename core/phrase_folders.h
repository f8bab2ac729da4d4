#pragma once

#include <filesystem>

#include "system/env.h"
#include "system/file_locations.h"

// Where the program takes its phrase files from.
namespace quillbat {

// Whether folder holds at least one of the nine phrase files, as env sees it.
bool holdsPhraseFiles(const std::filesystem::path& folder, Env& env);

// The locations of the running program (see fileLocations): its surroundings, and the phrase
// files as systemEnv() sees them.
FileLocations thisProgramsFileLocations();

}  // namespace quillbat
