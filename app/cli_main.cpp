// quillbat-cli: the articles (or game records) of boxscores named on the command line.

#include <CLI/CLI.hpp>

#include <iostream>

#include "app/check_phrases.h"
#include "app/cli_run.h"
#include "app/console.h"
#include "app/env.h"
#include "app/file_locations.h"
#include "app/file_system.h"
#include "app/version.h"

int main(int argc, char** argv) {
    quillbat::writeStandardStreamsAsBytes();
    quillbat::Utf8Arguments arguments(argc, argv);

    quillbat::CliOptions options;
    std::string dataFolder;
    CLI::App app{"Writes a newspaper article about each boxscore of the DMB game.", "quillbat-cli"};
    // On Windows the parser would otherwise take a boxscore named "/League/gm05.box" for an option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", "quillbat-cli " + std::string(quillbat::programVersion()),
                         "Print the program's version and exit");
    app.add_option("--seed", options.seed,
                   "Seed of the random source for the first boxscore (0 to 4294967295); the "
                   "next boxscores get the following numbers");
    app.add_option("--data", dataFolder,
                   "Folder of the phrase files (default: the ones the desktop program uses)");
    auto* save = app.add_flag("--save", options.save,
                              "Also save each article beside its boxscore, as Save To File does");
    auto* record = app.add_flag("--record", options.record,
                                "Print the game record as JSON instead of the article")
                       ->excludes(save);
    app.add_option("boxscores", options.boxscores, "Boxscore files (.box)");
    std::string checkFolder;
    auto* check = app.add_option("--check-phrases", checkFolder,
                                 "Check the nine phrase files of DIR (default: the --data folder "
                                 "or the ones the program uses, named on a first line), one "
                                 "line per problem")
                      ->expected(0, 1)
                      ->excludes(save)
                      ->excludes(record);
    try {
        app.parse(arguments.count(), arguments.values());
        if (check->count() > 0 && !options.boxscores.empty()) {
            throw CLI::ValidationError("--check-phrases", "takes no boxscore");
        }
        if (check->count() == 0 && options.boxscores.empty()) {
            throw CLI::RequiredError("BOXSCORE");
        }
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }

    if (!checkFolder.empty()) {
        dataFolder = checkFolder;
    }
    if (check->count() > 0 && dataFolder.empty()) {
        return quillbat::checkProgramsPhraseFiles(std::cout);
    }
    options.dataFolder = dataFolder.empty() ? quillbat::thisProgramsFileLocations().phraseFolder
                                            : quillbat::pathFromUtf8(dataFolder);
    if (check->count() > 0) {
        return quillbat::checkPhraseFolder(options.dataFolder, std::cout);
    }
    return quillbat::runCli(options, quillbat::systemEnv(), std::cout, std::cerr);
}
