#include "article/story_sentence.h"

#include <algorithm>
#include <array>

#include "article/number_word.h"

namespace quillbat {
namespace {

// The kinds of out a run scores on, by the words of the play's text; the first row the text
// holds decides. oneRun leads the name of an out that scored one run.
struct OutKind {
    std::string_view words;
    std::string_view name;
    std::string_view oneRun;
};

constexpr std::array<OutKind, 9> kOutKinds = {{
    {"double play", "double-play grounder", ""},
    {"bunt", "squeeze bunt", ""},
    {"forcing", "forceout", "run-scoring"},
    {"fielder's choice", "fielder's choice", "run-scoring"},
    {"grounded", "groundout", "RBI"},
    {"flied", "flyout", "run-scoring"},
    {"lined", "lineout", "run-scoring"},
    {"popped", "popout", "run-scoring"},
    {"", "out", "run-scoring"},
}};

// The play's name led by its runs: oneRun for one run, "two-run", "three-run" ... for more.
std::string withRuns(int runs, std::string_view oneRun, std::string_view name) {
    const std::string lead =
        runs > 1 ? getNumberWord(std::to_string(runs)) + "-run" : std::string(oneRun);
    return lead.empty() ? std::string(name) : lead + " " + std::string(name);
}

// The play without its batter: "two-run homer", "RBI single", "wild pitch".
std::string playName(const GameStory& story) {
    switch (story.event) {
        case PlayEvent::kHomer:
            return story.runs >= 4 ? "grand slam" : withRuns(story.runs, "solo", "homer");
        case PlayEvent::kTriple:
            return withRuns(story.runs, "RBI", "triple");
        case PlayEvent::kDouble:
            return withRuns(story.runs, "RBI", "double");
        case PlayEvent::kSingle:
            return withRuns(story.runs, "RBI", "single");
        case PlayEvent::kSacrificeFly:
            return withRuns(story.runs, "", "sacrifice fly");
        // A walk or a hit batter drives in a run only with the bases loaded.
        case PlayEvent::kWalk:
            return "bases-loaded walk";
        case PlayEvent::kHitByPitch:
            return "bases-loaded hit-by-pitch";
        case PlayEvent::kWildPitch:
            return "wild pitch";
        case PlayEvent::kPassedBall:
            return "passed ball";
        case PlayEvent::kBalk:
            return "balk";
        case PlayEvent::kSteal:
            return "steal of home";
        case PlayEvent::kError:
            return "error";
        case PlayEvent::kOut:
            break;
    }
    for (const OutKind& kind : kOutKinds) {
        if (story.text.find(kind.words) != std::string::npos) {
            return withRuns(story.runs, kind.oneRun, kind.name);
        }
    }
    return withRuns(story.runs, "run-scoring", "out");
}

// "an" before a vowel ("an error", "an eight-run homer") and before "RBI", said "ar-bee-eye".
std::string withArticle(const std::string& name) {
    const bool vowel = name.starts_with("RBI") || name.find_first_of("aeiou") == 0;
    return (vowel ? "an " : "a ") + name;
}

std::string possessive(const std::string& name) {
    return name + (name.ends_with('s') ? "'" : "'s");
}

std::string capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::string countWord(int count) {
    return getNumberWord(std::to_string(count));
}

std::string outsText(int outs) {
    static constexpr std::array<std::string_view, 3> kOuts = {"nobody out", "one out", "two outs"};
    return std::string(kOuts[static_cast<std::size_t>(std::clamp(outs, 0, 2))]);
}

}  // namespace

std::string decidingPlay(const GameStory& story) {
    const std::string play = playName(story);
    return story.batter.empty() ? withArticle(play) : possessive(story.batter) + " " + play;
}

PhraseTokens storyTokens(const GameRecord& record, const GameStory& story) {
    const Team winner = record.winTeam();
    const Team loser = record.loseTeam();
    const std::string decider = decidingPlay(story);
    return {{"winners", record.teamName[winner]},
            {"losers", record.teamName[loser]},
            {"winRuns", std::to_string(record.runs[winner])},
            {"loseRuns", std::to_string(record.runs[loser])},
            {"decider", decider},
            {"Decider", capitalized(decider)},
            {"inning", inningWord(story.inning)},
            {"half", story.half == Half::kTop ? "top" : "bottom"},
            {"outs", outsText(story.outs)},
            {"score", std::to_string(story.score.winner) + "-" + std::to_string(story.score.loser)},
            {"deficit", countWord(story.deficit)},
            {"bigInning", inningWord(story.bigInning)},
            {"bigInningRuns", countWord(story.bigInningRuns)}};
}

void writeStorySentence(const GameRecord& record, const GameStory& story, ArticleContext& context) {
    appendPhrase(context, kStoryPhraseFile, storyCategoryName(story.category),
                 storyTokens(record, story));
}

void writeStoryHeadline(const GameRecord& record, const GameStory& story, ArticleContext& context) {
    appendPhrase(context, kStoryPhraseFile,
                 "headline_" + std::string(storyCategoryName(story.category)),
                 storyTokens(record, story));
}

}  // namespace quillbat
