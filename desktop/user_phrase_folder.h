#pragma once

#include <filesystem>

#include "system/env.h"

// The folder where the user edits the phrase files of an installed program, and how it is
// filled with the ones the program came with.
namespace quillbat {

// Copies each of the phrase files and the league paper's style sheet that userFolder lacks and
// shippedFolder holds into userFolder (created first when missing), reading and writing through
// env; a file the user has is never touched. Returns the number of files copied. Throws
// InputError when a shipped file cannot be read and FileWriteError when a copy cannot be
// written; the copies made before stay, and a later call copies the rest.
int fillPhraseFolder(const std::filesystem::path& userFolder,
                     const std::filesystem::path& shippedFolder, Env& env);

}  // namespace quillbat
