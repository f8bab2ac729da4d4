#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/load_game.h"
#include "desktop/window_layout.h"

// How the desktop windows look and what they say, the same for every front end: captions and
// texts, colours, typefaces with their sizes, and the places of the main window's controls in
// twips. A front end maps these onto its toolkit and adds nothing of its own.
namespace quillbat {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kDarkGreen{0, 64, 0};
inline constexpr Rgb kLightGreen{128, 255, 128};
inline constexpr Rgb kLightCyan{128, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kSeparatorGrey{128, 128, 128};

// A typeface by the name the windows were designed with, its size in points and its style.
// A front end that lacks the face takes one of the same kind (serif or sans-serif).
struct FontDesign {
    std::string_view family;
    float points = 0;
    bool bold = false;
    bool italic = false;
    bool serif = false;
};

enum class Alignment { Left, Centred };

// A control of the main window: its name, its caption before any boxscore is read, its place
// inside its frame in twips, its typeface and how its text is aligned.
struct ControlDesign {
    std::string_view name;
    std::string_view caption;
    Box place;
    FontDesign font;
    Alignment alignment = Alignment::Centred;
};

// The main window.
inline constexpr std::string_view kMainWindowTitle = "Quillbat - Recapulator";
inline constexpr std::string_view kScoreboardName = "fraScoreboard";
inline constexpr std::string_view kArticleName = "txtArticle";
inline constexpr std::string_view kPanelName = "fraClipboard";
inline constexpr FontDesign kArticleFont{.family = "Verdana", .points = 11.25F};

// What a scoreboard label shows once a boxscore is read.
enum class ScoreboardField {
    Ballpark,
    Date,
    RunsHeading,
    HitsHeading,
    ErrorsHeading,
    VisitorsName,
    VisitorsRuns,
    VisitorsHits,
    VisitorsErrors,
    HomeName,
    HomeRuns,
    HomeHits,
    HomeErrors,
    Innings,
};

struct ScoreboardLabel {
    ScoreboardField field;
    ControlDesign design;
};

inline constexpr FontDesign kScoreboardSmallFont{.family = "Impact", .points = 18};
inline constexpr FontDesign kScoreboardLargeFont{
    .family = "Impact", .points = 27.75F, .bold = true};

// The scoreboard's labels, white on dark green, in the order they are laid out.
inline constexpr ScoreboardLabel kScoreboardLabels[] = {
    {ScoreboardField::Ballpark,
     {"lblBallpark", "Welcome", {120, 0, 6855, 495}, kScoreboardSmallFont}},
    {ScoreboardField::Date,
     {"lblDate", "", {120, 600, 4455, 495}, kScoreboardSmallFont, Alignment::Left}},
    {ScoreboardField::RunsHeading, {"lblRuns", "R", {4800, 600, 495, 375}, kScoreboardSmallFont}},
    {ScoreboardField::HitsHeading, {"lblHits", "H", {5640, 600, 495, 375}, kScoreboardSmallFont}},
    {ScoreboardField::ErrorsHeading,
     {"lblErrors", "E", {6480, 600, 495, 375}, kScoreboardSmallFont}},
    {ScoreboardField::VisitorsName,
     {"lblVisitors", "Visitors", {120, 960, 4215, 735}, kScoreboardLargeFont, Alignment::Left}},
    {ScoreboardField::VisitorsRuns,
     {"lblVisitorScore", "0", {4680, 960, 735, 735}, kScoreboardLargeFont}},
    {ScoreboardField::VisitorsHits,
     {"lblVisitorHits", "0", {5520, 960, 735, 735}, kScoreboardLargeFont}},
    {ScoreboardField::VisitorsErrors,
     {"lblVisitorErrors", "0", {6360, 960, 735, 735}, kScoreboardLargeFont}},
    {ScoreboardField::HomeName,
     {"lblHome", "Home", {120, 1560, 4215, 735}, kScoreboardLargeFont, Alignment::Left}},
    {ScoreboardField::HomeRuns,
     {"lblHomeScore", "0", {4680, 1560, 735, 735}, kScoreboardLargeFont}},
    {ScoreboardField::HomeHits, {"lblHomeHits", "0", {5520, 1560, 735, 735}, kScoreboardLargeFont}},
    {ScoreboardField::HomeErrors,
     {"lblHomeErrors", "0", {6360, 1560, 735, 735}, kScoreboardLargeFont}},
    {ScoreboardField::Innings, {"lblInn", "", {6960, 1373, 600, 375}, kScoreboardSmallFont}},
};

// The text a scoreboard label shows for values, as the user reads it (UTF-8, see
// displayText); nothing for the column headings, which keep their captions.
std::optional<std::string> scoreboardText(const ScoreboardValues& values, ScoreboardField field);

// The text colour a label takes for values: yellow for the name, runs, hits and errors of the
// team with more runs, white for the other team's; nothing for the other labels, and nothing
// on a tie, when the labels keep theirs.
std::optional<Rgb> scoreboardColour(const ScoreboardValues& values, ScoreboardField field);

// The panel under the article box: its text, white on dark green, and two buttons with
// coloured faces.
inline constexpr ControlDesign kPanelText{
    "lblMain",
    "This article has automatically been added to your clipboard, if you wish to edit it above, "
    "when finished, click the COPY TO CLIPBOARD button to add it to the clipboard.  To save as a "
    "text file in the league folder, click SAVE TO FILE.",
    {120, 0, 9015, 975},
    {.family = "Verdana", .points = 9.75F, .bold = true}};

struct ButtonDesign {
    ControlDesign design;
    Rgb face;
};

inline constexpr FontDesign kButtonFont{.family = "Verdana", .points = 8.25F, .bold = true};
inline constexpr ButtonDesign kCopyButton{
    {"cmdClipboard", "Copy To Clipboard", {2520, 840, 2055, 495}, kButtonFont}, kLightGreen};
inline constexpr ButtonDesign kSaveButton{
    {"cmdSaveFile", "Save To File", {4800, 840, 2055, 495}, kButtonFont}, kLightCyan};

// Titles of the message boxes that tell how a command went.
inline constexpr std::string_view kLoadBoxscoreTitle = "Load Boxscore";
inline constexpr std::string_view kSaveToFileTitle = "Save To File";
inline constexpr std::string_view kCopyAsTitle = "Copy As";
inline constexpr std::string_view kNewspaperNamesTitle = "Newspaper Names";
inline constexpr std::string_view kGameStoryTitle = "Game Story";
inline constexpr std::string_view kOpenPhraseFolderTitle = "Open Phrase Folder";
inline constexpr std::string_view kLeaguePaperTitle = "League Paper";

// The dialogs a front end draws itself (the Windows input box and progress window): their
// typeface and background.
inline constexpr FontDesign kDialogFont{.family = "Tahoma", .points = 8.25F};
inline constexpr Rgb kDialogGrey{240, 240, 240};

// Default Team's input box: the user types the game's ID of a team whose home boxscores the
// Open dialog then lists, or -1 for every boxscore.
inline constexpr std::string_view kDefaultTeamTitle = "Default Team Number";
inline constexpr std::string_view kDefaultTeamPrompt =
    "Select a team ID number to pull up all home boxscores for that team.  Set to -1 (negative "
    "1) to choose from all boxscores. Team IDs can be found in the DMB game by clicking on "
    "View-Organizer-Teams under the ID heading.";
// Default Team refuses a number outside -1..32767; the message ends with the number kept and
// a point.
inline constexpr std::string_view kDefaultTeamRefused =
    "The default team must be a team ID from 0 to 32767, or -1 for all boxscores; it stays ";

// What the commands tell the user.
inline constexpr std::string_view kLoadBoxscoreFirst =
    "Please load a boxscore first: the article is saved beside it, under its name.";
inline constexpr std::string_view kClipboardInUse =
    "The clipboard is in use by another program. Please try again.";
// Before the folder's name, when the phrase folder cannot be shown.
inline constexpr std::string_view kPhraseFilesAreIn = "The phrase files are in ";
// After the reason a settings file could not be written: the setting still holds this run.
inline constexpr std::string_view kFolderHoldsForTheRun =
    ". The folder is remembered until the program ends.";
inline constexpr std::string_view kDefaultTeamHoldsForTheRun =
    ". The default team holds until the program ends.";
inline constexpr std::string_view kNameStyleHoldsForTheRun =
    ". The name style holds until the program ends.";
inline constexpr std::string_view kGameStoryHoldsForTheRun =
    ". Game Story holds until the program ends.";
// Newspaper Names and Game Story switched on or off: from when each applies.
inline constexpr std::string_view kNewspaperNamesOn =
    "Newspaper Names is on: the next game you load names the players as a newspaper does "
    "(\"Holland\", or \"G. Holland\" beside a namesake).";
inline constexpr std::string_view kNewspaperNamesOff =
    "Newspaper Names is off: the next game you load names the players as the boxscore prints "
    "them (\"Holland,G\").";
inline constexpr std::string_view kGameStoryOn =
    "Game Story is on: the next game you load tells how it was won, from its play-by-play.";
inline constexpr std::string_view kGameStoryOff =
    "Game Story is off: the next game you load is written from its boxscore alone.";
// League Paper: the folder dialog's title, the progress while the paper is written, the message
// at the end, the boxscores left out after it, and the index's name when no browser starts.
inline constexpr std::string_view kLeaguePaperFolderPrompt =
    "Choose a folder of boxscores: the paper goes into its folder \"paper\"";
// "Writing the league paper: 12 of 160 games"
std::string paperProgressText(std::size_t done, std::size_t total);
// "The league paper of 12 days and 160 games is in C:\League\paper."
std::string paperWrittenText(const std::string& folder, std::size_t days, std::size_t games);
inline constexpr std::string_view kPaperLeftOut = "These boxscores are not in it:";
inline constexpr std::string_view kPaperIndexIsIn =
    "No browser could be started. The paper's index is ";
// The About window's System Info when the system has no System Information tool.
inline constexpr std::string_view kSystemInfoUnavailable =
    "System Information Is Unavailable At This Time";
// The desktop program's command line, in the message about one it cannot use and first in its
// --help, which goes on with kDesktopOptions.
inline constexpr std::string_view kDesktopUsage = "usage: quillbat [--seed N] [BOXSCORE]";
inline constexpr std::string_view kDesktopOptions =
    "Shows a newspaper article about the boxscore (.box) named, or about one chosen\n"
    "with Load Boxscore.\n"
    "  --seed N    seeds the first article with N (0 to 4294967295), as quillbat-cli does\n"
    "  --version   prints the version\n"
    "  --help      prints this help\n"
    "The desktop program needs a display; quillbat-cli writes articles without one.\n";
// What the desktop program says on standard error, before it ends with status 1, when it finds
// no display to show its windows on.
inline constexpr std::string_view kNoDisplay =
    "quillbat: the desktop program needs a display; quillbat-cli writes the articles without one";

// The splash window: the name in blue above the picture, on white, for 2.5 seconds.
inline constexpr std::string_view kSplashTitle = "Welcome to Quillbat";
inline constexpr std::string_view kSplashName = "Quillbat";
inline constexpr FontDesign kSplashNameFont{
    .family = "Times New Roman", .points = 72, .bold = true, .serif = true};
inline constexpr int kSplashMilliseconds = 2500;

// The About window, on light green.
inline constexpr std::string_view kAboutTitle = "About Quillbat";
inline constexpr std::string_view kAboutHeading = "Quillbat Software";
inline constexpr std::string_view kAboutName = "Quillbat";
inline constexpr std::string_view kAboutDescription =
    "This application generates an article about a baseball game from boxscore.  This program "
    "is not affiliated with Diamond Mind Baseball or Imagine Sports in any manner.";
inline constexpr FontDesign kAboutHeadingFont{.family = "Tahoma", .points = 8.25F, .bold = true};
inline constexpr FontDesign kAboutNameFont{
    .family = "Tahoma", .points = 24, .bold = true, .italic = true};
inline constexpr FontDesign kAboutVersionFont{
    .family = "Tahoma", .points = 14.25F, .bold = true, .italic = true};
inline constexpr FontDesign kAboutDescriptionFont{
    .family = "Tahoma", .points = 8.25F, .bold = true};
inline constexpr std::string_view kOkCaption = "OK";
inline constexpr std::string_view kSystemInfoCaption = "&System Info...";

// "Version 2.1.4": the program's major, minor and revision number.
std::string versionText();

// The Instructions window, on light green: four headings, each with its text.
inline constexpr std::string_view kInstructionsTitle = "Quillbat Instructions";
inline constexpr FontDesign kInstructionHeadingFont{
    .family = "Verdana", .points = 9.75F, .bold = true};
inline constexpr FontDesign kInstructionTextFont{.family = "Verdana", .points = 9.75F};

struct Instruction {
    std::string_view heading;
    std::string_view text;
};

inline constexpr Instruction kInstructions[] = {
    {"Player Names",
     "Since all information is derived solely from the boxscores, each player must have a "
     "unique name.  Common last names, should have an initial after them.  A comma is okay, but "
     "a space is not.  Good examples are Smith,B or Smith,Br or SmithB. A bad example would be "
     "Smith, B."},
    {"Default Team",
     "Select a team ID number to pull up all home boxscores for that team.  Set to -1 (negative "
     "1) to choose from ALL boxscores. Team IDs can be found in the DMB game by clicking on "
     "View-Organizer-Teams under the ID heading.  Disregard UID."},
    {"Load Boxscore",
     "Choose the boxscore you want to generate an article for.  Once selected, the article is "
     "copied to the clipboard for pasting and displayed in the text box for editing."},
    {"Save To File",
     "When you hit the Save To File button, Quillbat will save the contents of the textbox to a "
     "file in the same folder with the same name as the boxscore with a .txt extension."},
};

}  // namespace quillbat
