#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "article/article_sink.h"
#include "article/phrase_source.h"
#include "boxscore/game_record.h"

// The Load Boxscore command, knowing no window: what it needs of the window and the system
// comes through the small interfaces below, which the desktop program and the tests provide.
namespace quillbat {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// What the scoreboard shows after a boxscore is read, every number as decimal text.
struct ScoreboardValues {
    PerTeam<std::string> teamName;
    PerTeam<std::string> runs;
    PerTeam<std::string> hits;
    PerTeam<std::string> errors;
    std::string innings;  // the innings of an extra-inning game, otherwise a single blank
    std::string ballparkName;
    std::string gameDate;
    // Text colours of each team's four labels: yellow for the team with more runs, white for
    // the other. Empty on a tie: the labels keep the colours they had.
    struct Colours {
        Rgb visitors;
        Rgb home;
        bool operator==(const Colours&) const = default;
    };
    std::optional<Colours> colours;
    bool operator==(const ScoreboardValues&) const = default;
};

// The scoreboard values of a read game.
ScoreboardValues scoreboardValues(const GameRecord& record);

class BoxscoreChooser {
  public:
    virtual ~BoxscoreChooser() = default;
    // Shows the Open dialog with the filter text (description, " | ", patterns) and the start
    // folder; returns the chosen file's full name in UTF-8, or an empty text on cancel.
    virtual std::string chooseBoxscore(const std::string& filterText,
                                       const std::string& startFolder) = 0;
};

class Scoreboard {
  public:
    virtual ~Scoreboard() = default;
    virtual void show(const ScoreboardValues& values) = 0;
};

// The article text box: the load empties it, then the writers append to it.
class ArticleBox : public ArticleSink {
  public:
    virtual void clear() = 0;
    virtual std::string text() const = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

// The settings the load reads and writes: the default team narrows the dialog, the remembered
// folder is where it opens.
class RememberedSettings {
  public:
    virtual ~RememberedSettings() = default;
    virtual std::int16_t defaultTeam() const = 0;
    virtual std::string folder() const = 0;
    // Remembers the folder and writes it to path.dat. When the file cannot be written the folder
    // is still remembered for this run of the program and FileWriteError is thrown.
    virtual void rememberFolder(const std::string& folder) = 0;
};

struct LoadSeams {
    BoxscoreChooser& chooser;
    Scoreboard& scoreboard;
    ArticleBox& article;
    Clipboard& clipboard;
    RememberedSettings& settings;
    PhraseSource& phrases;
};

struct LoadOutcome {
    enum class Status { Cancelled, Loaded, Failed };
    Status status = Status::Cancelled;
    std::string boxscorePath;  // the chosen boxscore (also when it was refused)
    std::string message;       // one line for the user when something went wrong
};

// One run of Load Boxscore: empties the article box, asks for a boxscore, reads it whole,
// fills the scoreboard, writes the article, puts it on the clipboard and remembers the folder.
// Without a seed the random source is seeded from the clock. A cancel changes nothing but the
// emptied article box. A refused boxscore leaves scoreboard, clipboard and settings untouched; a
// phrase-file error keeps the article written so far but leaves clipboard and settings untouched.
LoadOutcome runLoadCommand(LoadSeams& seams, std::optional<std::uint32_t> seed = std::nullopt);

}  // namespace quillbat
