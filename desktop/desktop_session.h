#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "article/random_source.h"
#include "core/article_format.h"
#include "core/folder_phrase_source.h"
#include "core/load_game.h"
#include "desktop/boxscore_filter.h"
#include "desktop/desktop_menu.h"
#include "desktop/settings.h"
#include "paper/league_paper.h"
#include "system/env.h"
#include "system/file_locations.h"

// What a desktop program keeps between its commands, and what the commands change, knowing no
// window: the controller (desktop_controller.h) asks it and tells the view what to show.
namespace quillbat {

class DesktopSession {
  public:
    // A session whose settings files and phrase files lie where locations say; files are
    // written and the time is asked through env. Reads the settings at once (both defaults when
    // either file is missing or unreadable). The k-th load of the session (from 0) is seeded
    // with firstSeed + k when it is given, from the clock otherwise.
    DesktopSession(const FileLocations& locations, Env& env,
                   std::optional<std::uint32_t> firstSeed);

    // Load Boxscore, before the Open dialog: its filter (the default team's home boxscores, or
    // all) and the folder it opens in.
    BoxscoreFilter openDialogFilter() const { return boxscoreFilter(settings_.defaultTeam()); }
    const std::string& openDialogFolder() const { return settings_.folder(); }

    // Load Boxscore once a file was chosen (UTF-8), also a file named on the command line or
    // dropped on the window, its article written with the settings in force (names style, game
    // story). On a refusal only the message is given and nothing changes here.
    // Otherwise the boxscore becomes the one Save To File writes beside; when the article is
    // complete its folder is remembered (a path.dat that cannot be written adds its reason to
    // the message; the folder still holds until the program ends).
    GameLoad load(const std::string& boxscorePath);

    // Default Team: the input box's preset, then what the user typed (nothing on Cancel).
    // Keeps the number read or, for a refused one, the current number, and rewrites team.dat
    // in every case. Returns the message to show (a refused number, a team.dat that cannot be
    // written), or an empty text.
    std::string defaultTeamPreset() const { return std::to_string(settings_.defaultTeam()); }
    std::string setDefaultTeam(const std::optional<std::string>& typed);

    // Newspaper Names: the style of the players' names the next loads write, remembered in
    // names.dat. Returns the message to show (a names.dat that cannot be written; the style
    // still holds until the program ends), or an empty text.
    NameStyle nameStyle() const { return settings_.nameStyle(); }
    std::string setNameStyle(NameStyle style);
    // Game Story: whether the next loads and League Paper tell how each game was won, from its
    // play-by-play, remembered in gamestory.dat. Returns the message to show (a gamestory.dat
    // that cannot be written; the setting still holds until the program ends), or an empty text.
    bool gameStory() const { return settings_.gameStory(); }
    std::string setGameStory(bool on);
    // Whether a checkable menu command shows its check mark now.
    bool isChecked(MenuCommand command) const;

    // Save To File of the article box's text, beside the last boxscore loaded. Returns the
    // message to show, or an empty text (saved, or too short to save): kLoadBoxscoreFirst when
    // no boxscore was loaded yet, or the reason the file could not be written (then no file is
    // changed).
    std::string saveArticle(std::string_view articleText);

    // Copy As: the article box's text (the user's edits kept) rendered in format with the
    // headline and line score of the last boxscore loaded; nothing before one was loaded.
    std::optional<std::string> renderAs(ArticleFormat format, std::string_view articleText) const;

    // Open Phrase Folder, before the folder is shown: the shipped phrase files the user's phrase
    // folder lacks (all of them the first time) are copied into it, and from then on the
    // articles are written from it. Returns the folder to show (UTF-8), or the message to show
    // instead when a file could not be copied; the phrases are then still taken where they were.
    struct PhraseFolderOpening {
        std::string folder;
        std::string message;
    };
    PhraseFolderOpening openPhraseFolder();

    // League Paper, once a folder of boxscores was chosen (UTF-8): the paper of its .box files
    // goes into its folder "paper" (see writePaper), with the settings in force, the phrase
    // files in use, the session's next seed for its first game, and the style sheet of the
    // user's phrase folder, else the one that came with the program. progress is called while
    // the boxscores' dates are read (with 0 done), before the first game and after each one.
    struct PaperWriting {
        std::optional<std::string> index;  // index.html's full name, once the paper is written
        // Where the paper is and the boxscores it left out, or why it was not written.
        std::string message;
        bool complete = false;  // written with every boxscore of the folder
    };
    PaperWriting writePaper(const std::string& boxscoreFolder, const PaperProgress& progress);

  private:
    // How the articles are written: the names style and the game story in force.
    ArticleOptions articleOptions() const;

    Env& env_;
    FileLocations locations_;
    Settings settings_;
    FolderPhraseSource phrases_;
    ArticleSeeds seeds_;
    std::string lastBoxscore_;
    std::optional<ArticleParts> lastGame_;  // its headline and line score, no article
};

}  // namespace quillbat
