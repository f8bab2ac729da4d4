// quillbat-cli: the articles (or game records) of boxscores named on the command line, or the
// league paper of them.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <memory>
#include <vector>

#include "cli/check_phrases.h"
#include "cli/cli_paper.h"
#include "cli/cli_run.h"
#include "cli/help_formatter.h"
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
    app.formatter(std::make_shared<quillbat::HelpFormatter>(
        static_cast<std::size_t>(quillbat::standardOutputColumns()),
        "Usage: quillbat-cli [OPTIONS] BOXSCORE...\n"
        "       quillbat-cli --paper OUT [OPTIONS] BOXSCORE_OR_FOLDER...\n"
        "       quillbat-cli --record BOXSCORE...\n"
        "       quillbat-cli --check-phrases [DIR]\n"));
    app.get_formatter()->column_width(25);
    // On Windows the parser would otherwise take a boxscore named "/League/gm05.box" for an option.
    app.allow_windows_style_options(false);

    const std::string what = "What to write";
    app.add_option("BOXSCORE", options.boxscores,
                   "Boxscore files (.box): the article of each, in order, one line each; with "
                   "--paper also folders of them")
        ->group(what);
    auto* record = app.add_flag("--record", options.record,
                                "The game record of each boxscore as JSON instead of its article")
                       ->group(what);
    std::string paperFolder;
    auto* paper = app.add_option("--paper", paperFolder,
                                 "The league paper of the boxscores (and of the .box files of "
                                 "folders named) in the folder OUT: a page per day and an index "
                                 "(html, the default), or a post per day (bbcode, markdown)")
                      ->option_text("OUT")
                      ->excludes(record)
                      ->group(what);
    std::string checkFolder;
    auto* check = app.add_option("--check-phrases", checkFolder,
                                 "Check the ten phrase files of DIR (default: the --data folder "
                                 "or the ones the programs use, named on a first line): one line "
                                 "per problem, then one per warning")
                      ->expected(0, 1)
                      ->option_text("[DIR]")
                      ->excludes(record)
                      ->excludes(paper)
                      ->group(what);
    app.set_version_flag("--version", "quillbat-cli " + std::string(quillbat::programVersion()),
                         "Print the program's version and exit")
        ->group(what);
    app.set_help_flag("-h,--help", "Print this help and exit")->group(what);

    const std::string how = "How to write it";
    app.add_option("--seed", options.seed,
                   "Seed of the random source for the first boxscore (0 to 4294967295), the "
                   "next ones taking the following numbers: the same command writes the same "
                   "articles")
        ->option_text("N")
        ->group(how);
    const std::map<std::string, quillbat::ArticleFormat> formats = {
        {"text", quillbat::ArticleFormat::kText},
        {"bbcode", quillbat::ArticleFormat::kBbcode},
        {"markdown", quillbat::ArticleFormat::kMarkdown},
        {"html", quillbat::ArticleFormat::kHtml}};
    std::string formatName = "text";
    auto* format =
        app.add_option("--format", formatName,
                       "text (the default: the article alone), or each article with its headline "
                       "and line score for a forum or a web page: bbcode, markdown or html")
            ->check(CLI::IsMember(formats))
            ->option_text("FORMAT")
            ->excludes(record)
            ->excludes(check)
            ->group(how);
    const std::map<std::string, quillbat::NameStyle> nameStyles = {
        {"boxscore", quillbat::NameStyle::kBoxscore},
        {"newspaper", quillbat::NameStyle::kNewspaper}};
    std::string nameStyle = "boxscore";
    app.add_option("--names", nameStyle,
                   "boxscore (the default: the names as the boxscore prints them, "
                   "\"Holland,G\") or newspaper (\"Holland\", or \"G. Holland\" beside a "
                   "namesake)")
        ->check(CLI::IsMember(nameStyles))
        ->option_text("STYLE")
        ->excludes(record)
        ->excludes(check)
        ->group(how);
    app.add_flag("--story", options.story, "Tell how each game was won, from its play-by-play")
        ->excludes(check)
        ->group(how);

    const std::string where = "Where to read and save";
    app.add_option("--data", dataFolder,
                   "Folder of the phrase files (default: the ones the desktop program uses)")
        ->option_text("DIR")
        ->group(where);
    app.add_flag("--save", options.save,
                 "Also save each article beside its boxscore, as Save To File does: gm05.box "
                 "gives gm05.txt (with --format, gm05.bbcode.txt, gm05.md or gm05.html)")
        ->excludes(record)
        ->excludes(check)
        ->excludes(paper)
        ->group(where);

    app.footer(
        "Examples:\n"
        "  quillbat-cli --seed 7 league/gm05.box\n"
        "      The article of one game, the same each time.\n"
        "  quillbat-cli --format bbcode --save league/*.box\n"
        "      Every game of the folder for a forum, each saved beside its boxscore.\n"
        "  quillbat-cli --paper league/paper --seed 1 league\n"
        "      The paper of the folder's games: open league/paper/index.html.\n"
        "  quillbat-cli --check-phrases\n"
        "      What is wrong with the phrase files the programs write from.");
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
    const quillbat::FileLocations locations = quillbat::thisProgramsFileLocations();
    options.dataFolder =
        dataFolder.empty() ? locations.phraseFolder : quillbat::pathFromUtf8(dataFolder);
    options.shippedPhraseFolder = locations.shippedPhraseFolder;
    if (check->count() > 0) {
        return quillbat::checkPhraseFolder(options.dataFolder, options.shippedPhraseFolder,
                                           std::cout);
    }
    if (paper->count() > 0) {
        // The style sheet of the phrase folder named, else the user's, else the program's own.
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
