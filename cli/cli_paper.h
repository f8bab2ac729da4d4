#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "cli/cli_run.h"
#include "system/env.h"

// What quillbat-cli --paper does: the league paper of the boxscores named.
namespace quillbat {

// Writes the league paper of options.boxscores (files and folders of them) into
// options.paperFolder in options.format (text counts as html) with the names style, the story
// and the seeds of options, the phrase files of options.dataFolder (story.dat as runCli finds
// it) and the style sheet of the first of styleSheetFolders that holds one, all through env. Then
// prints one line to out naming the index (or for posts the folder) with the number of days
// and games written. Every boxscore left out (and a named folder without one) gets one line on
// err naming the file and the reason, as does a page that cannot be written (the run then
// stops). Returns 0 when every boxscore was written, otherwise 1.
int runPaper(const CliOptions& options, const std::vector<std::filesystem::path>& styleSheetFolders,
             Env& env, std::ostream& out, std::ostream& err);

}  // namespace quillbat
