// quillbat-cli: the articles (or game records, or the league paper) of boxscores named on the
// command line.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>

#include "cli/check_phrases.h"
#include "cli/cli_paper.h"
#include "cli/cli_run.h"
#include "core/phrase_folders.h"
#include "core/version.h"
#include "system/console.h"
#include "system/env.h"
#include "system/file_system.h"

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
    const std::map<std::string, quillbat::ArticleFormat> formats = {
        {"text", quillbat::ArticleFormat::kText},
        {"bbcode", quillbat::ArticleFormat::kBbcode},
        {"markdown", quillbat::ArticleFormat::kMarkdown},
        {"html", quillbat::ArticleFormat::kHtml}};
    std::string formatName = "text";
    auto* format = app.add_option("--format", formatName,
                                  "Write each article with its headline and line score for a "
                                  "forum or a web page: text (the default, the article alone), "
                                  "bbcode, markdown or html")
                       ->check(CLI::IsMember(formats))
                       ->excludes(record);
    const std::map<std::string, quillbat::NameStyle> nameStyles = {
        {"boxscore", quillbat::NameStyle::kBoxscore},
        {"newspaper", quillbat::NameStyle::kNewspaper}};
    std::string nameStyle = "boxscore";
    auto* names = app.add_option("--names", nameStyle,
                                 "Write the players' names as the boxscore prints them "
                                 "(boxscore, the default: \"Holland,G\") or as a newspaper does "
                                 "(newspaper: \"Holland\", or \"G. Holland\" beside a namesake)")
                      ->check(CLI::IsMember(nameStyles))
                      ->excludes(record);
    std::string paperFolder;
    auto* paper = app.add_option("--paper", paperFolder,
                                 "Write the league paper of the boxscores (and of the .box files "
                                 "of folders named) into the folder OUT: a page per day and an "
                                 "index with --format html (the default), a post per day with "
                                 "bbcode or markdown")
                      ->excludes(save)
                      ->excludes(record);
    app.add_option("boxscores", options.boxscores,
                   "Boxscore files (.box); with --paper also folders of them");
    std::string checkFolder;
    auto* check = app.add_option("--check-phrases", checkFolder,
                                 "Check the nine phrase files of DIR (default: the --data folder "
                                 "or the ones the program uses, named on a first line), one "
                                 "line per problem")
                      ->expected(0, 1)
                      ->excludes(save)
                      ->excludes(record)
                      ->excludes(format)
                      ->excludes(names)
                      ->excludes(paper);
    try {
        app.parse(arguments.count(), arguments.values());
        if (check->count() > 0 && !options.boxscores.empty()) {
            throw CLI::ValidationError("--check-phrases", "takes no boxscore");
        }
        if (check->count() == 0 && options.boxscores.empty()) {
            throw CLI::RequiredError("BOXSCORE");
        }
        if (paper->count() > 0 && format->count() > 0 && formatName == "text") {
            throw CLI::ValidationError("--format",
                                       "a paper is written as html, bbcode or markdown");
        }
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }

    options.format = formats.at(formatName);
    options.names = nameStyles.at(nameStyle);
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
    if (paper->count() > 0) {
        // The style sheet of the phrase folder named, else the user's, else the program's own.
        const quillbat::FileLocations locations = quillbat::thisProgramsFileLocations();
        std::vector<std::filesystem::path> styleSheetFolders = {locations.userPhraseFolder,
                                                                locations.shippedPhraseFolder};
        if (!dataFolder.empty()) {
            styleSheetFolders.insert(styleSheetFolders.begin(), options.dataFolder);
        }
        options.paperFolder = quillbat::pathFromUtf8(paperFolder);
        return quillbat::runPaper(options, styleSheetFolders, quillbat::systemEnv(), std::cout,
                                  std::cerr);
    }
    return quillbat::runCli(options, quillbat::systemEnv(), std::cout, std::cerr);
}
