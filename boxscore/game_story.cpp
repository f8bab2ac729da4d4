#include "boxscore/game_story.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "boxscore/game_record.h"
#include "boxscore/play_by_play.h"

namespace quillbat {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// The event text of the decisive play, with the words that open it.
struct EventText {
    std::string_view text;
    std::string_view subject;

    bool holds(std::string_view words) const { return text.find(words) != npos; }
    bool holdsDoubleNotPlay() const {
        constexpr std::string_view kDouble = "a double";
        for (std::size_t at = text.find(kDouble); at != npos; at = text.find(kDouble, at + 1)) {
            if (!text.substr(at + kDouble.size()).starts_with(" play")) {
                return true;
            }
        }
        return false;
    }
    bool followsSubject(std::string_view words) const {
        return !subject.empty() && text.substr(subject.size()).starts_with(words);
    }
};

struct EventRule {
    PlayEvent event;
    bool hasBatter;  // otherwise the subject is a pitcher, a catcher or a runner
    bool (*holds)(const EventText&);
};

// The first row whose words the event text holds names the event.
constexpr std::array<EventRule, 13> kEventRules = {{
    {PlayEvent::kHomer, true, [](const EventText& t) { return t.holds("homered"); }},
    {PlayEvent::kTriple, true,
     [](const EventText& t) { return t.holds("tripled") || t.holds("a triple"); }},
    {PlayEvent::kDouble, true,
     [](const EventText& t) { return t.holds("doubled") || t.holdsDoubleNotPlay(); }},
    {PlayEvent::kSingle, true,
     [](const EventText& t) {
         return t.holds("singled") || t.holds("a single") || t.holds("infield single");
     }},
    {PlayEvent::kSacrificeFly, true, [](const EventText& t) { return t.holds("sacrifice fly"); }},
    {PlayEvent::kWalk, true, [](const EventText& t) { return t.followsSubject(" walked"); }},
    {PlayEvent::kHitByPitch, true, [](const EventText& t) { return t.holds("hit by a pitch"); }},
    {PlayEvent::kWildPitch, false, [](const EventText& t) { return t.holds("wild pitch"); }},
    {PlayEvent::kPassedBall, false, [](const EventText& t) { return t.holds("passed ball"); }},
    {PlayEvent::kBalk, false, [](const EventText& t) { return t.holds("balked"); }},
    {PlayEvent::kSteal, false, [](const EventText& t) { return t.holds("stole home"); }},
    {PlayEvent::kError, false, [](const EventText& t) { return t.holds("error"); }},
    {PlayEvent::kOut, true, [](const EventText&) { return true; }},
}};

// What the category rules look at.
struct Decided {
    const GameStory& story;
    StoryScore before;  // just before the decisive play
    int margin;         // of the final score
};

struct CategoryRule {
    StoryCategory category;
    bool (*holds)(const Decided&);
};

// The first rule that holds names the category.
constexpr std::array<CategoryRule, 8> kCategoryRules = {{
    {StoryCategory::kWalkoffHomer,
     [](const Decided& d) { return d.story.walkoff && d.story.event == PlayEvent::kHomer; }},
    {StoryCategory::kWalkoff, [](const Decided& d) { return d.story.walkoff; }},
    {StoryCategory::kComeback, [](const Decided& d) { return d.story.deficit >= 3; }},
    {StoryCategory::kExtra, [](const Decided& d) { return d.story.inning >= 10; }},
    {StoryCategory::kLate,
     [](const Decided& d) { return d.story.inning >= 7 && d.story.inning <= 9; }},
    {StoryCategory::kRout, [](const Decided& d) { return d.margin >= 7; }},
    {StoryCategory::kWire, [](const Decided& d) { return d.before == StoryScore{}; }},
    {StoryCategory::kEarly, [](const Decided&) { return true; }},
}};

// The words before the first one that begins with a lower-case letter; none when the text
// begins with such a word or with "On ".
std::string_view subjectOf(std::string_view text) {
    if (text.starts_with("On ")) {
        return {};
    }
    std::size_t wordStart = 0;
    while (wordStart < text.size()) {
        if (text[wordStart] >= 'a' && text[wordStart] <= 'z') {
            return text.substr(0, wordStart == 0 ? 0 : wordStart - 1);
        }
        const std::size_t blank = text.find(' ', wordStart);
        if (blank == npos) {
            break;
        }
        wordStart = blank + 1;
    }
    return text;
}

// The inning with the most runs among the team's line-score cells (the earliest of equals; a
// cell that is no number counts 0), and its runs.
std::pair<int, int> biggestInning(const std::vector<std::string>& cells) {
    std::pair<int, int> biggest{1, 0};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (cell.empty() ||
            !std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        const int runs = std::stoi(cell);
        if (runs > biggest.second) {
            biggest = {static_cast<int>(i) + 1, runs};
        }
    }
    return biggest;
}

// Follows the score through the plays, each taken with the score after it.
class StoryPass {
  public:
    void take(const Play& play, StoryScore before, StoryScore after, bool last) {
        note(before);
        deficit_ = std::max(deficit_, before.loser - before.winner);
        if (before.winner <= before.loser && after.winner > after.loser) {
            decisive_ = play;  // only the candidate is copied
            decisiveDeficit_ = deficit_;
            before_ = before;
            after_ = after;
            decisiveIsLast_ = last;
        }
        if (last) {
            note(after);
        }
    }

    // The facts, once the last play was taken.
    GameStory story(const std::vector<std::string>& winnerCells, int margin) const {
        GameStory story;
        story.inning = decisive_.inning;
        story.half = decisive_.half;
        story.outs = decisive_.outs;
        story.text = decisive_.text;
        const EventText text{story.text, subjectOf(story.text)};
        story.subject = text.subject;
        const EventRule& event =
            *std::find_if(kEventRules.begin(), kEventRules.end(),
                          [&](const EventRule& rule) { return rule.holds(text); });
        story.event = event.event;
        story.batter = event.hasBatter ? story.subject : std::string();
        story.runs = after_.winner - before_.winner;
        story.score = after_;
        story.walkoff = decisiveIsLast_ && decisive_.half == Half::kBottom;
        story.deficit = decisiveDeficit_;
        story.leadChanges = leadChanges_;
        std::tie(story.bigInning, story.bigInningRuns) = biggestInning(winnerCells);
        const Decided decided{story, before_, margin};
        story.category = std::find_if(kCategoryRules.begin(), kCategoryRules.end(),
                                      [&](const CategoryRule& rule) { return rule.holds(decided); })
                             ->category;
        return story;
    }

  private:
    enum class Ahead { kNobody, kWinner, kLoser };

    void note(StoryScore score) {
        const Ahead ahead = score.winner > score.loser   ? Ahead::kWinner
                            : score.loser > score.winner ? Ahead::kLoser
                                                         : Ahead::kNobody;
        if (ahead == Ahead::kNobody) {
            return;
        }
        if (ahead_ != Ahead::kNobody && ahead != ahead_) {
            ++leadChanges_;
        }
        ahead_ = ahead;
    }

    Ahead ahead_ = Ahead::kNobody;
    int leadChanges_ = 0;
    int deficit_ = 0;
    Play decisive_;
    int decisiveDeficit_ = 0;
    StoryScore before_;
    StoryScore after_;
    bool decisiveIsLast_ = false;
};

}  // namespace

std::string_view storyCategoryName(StoryCategory category) {
    constexpr std::array<std::string_view, 8> kNames = {
        "walkoff_homer", "walkoff", "comeback", "extra", "late", "rout", "wire", "early"};
    return kNames[static_cast<std::size_t>(category)];
}

std::string_view playEventName(PlayEvent event) {
    constexpr std::array<std::string_view, 13> kNames = {
        "homer",     "triple",     "double", "single", "sacrificeFly", "walk", "hitByPitch",
        "wildPitch", "passedBall", "balk",   "steal",  "error",        "out"};
    return kNames[static_cast<std::size_t>(event)];
}

std::optional<GameStory> readGameStory(PlayByPlayReader& plays, const GameRecord& record) {
    const auto winner = record.winTeam();
    const auto loser = record.loseTeam();
    if (record.runs[winner] == record.runs[loser] || record.inningCells[winner].empty()) {
        return std::nullopt;
    }
    const auto forWinner = [&](const PerTeam<int>& score) {
        return StoryScore{score[winner], score[loser]};
    };
    // Two plays in turn: the one just read and the one before it, whose score after is the
    // score before the one just read.
    std::array<Play, 2> buffers;
    std::size_t last = 0;
    if (!plays.next(buffers[last]) || forWinner(buffers[last].scoreBefore) != StoryScore{}) {
        return std::nullopt;
    }
    StoryPass pass;
    while (plays.next(buffers[1 - last])) {
        const Play& previous = buffers[last];
        const Play& play = buffers[1 - last];
        for (const auto team : {kVisitors, kHome}) {
            if (play.scoreBefore[team] < previous.scoreBefore[team]) {
                return std::nullopt;
            }
        }
        pass.take(previous, forWinner(previous.scoreBefore), forWinner(play.scoreBefore), false);
        last = 1 - last;
    }
    if (plays.end() != PlayByPlayEnd::kPartEnd) {
        return std::nullopt;
    }
    const Play& previous = buffers[last];
    PerTeam<int> final = previous.scoreBefore;
    final[previous.battingTeam()] += runsScoredOn(previous);
    for (const auto team : {kVisitors, kHome}) {
        if (final[team] != record.runs[team]) {
            return std::nullopt;
        }
    }
    pass.take(previous, forWinner(previous.scoreBefore), forWinner(final), true);
    return pass.story(record.inningCells[winner], record.runs[winner] - record.runs[loser]);
}

}  // namespace quillbat
