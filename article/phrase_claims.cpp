#include "article/phrase_claims.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace quillbat {
namespace {

// Categories of one phrase file.
struct ClaimScope {
    std::string_view fileName;
    std::vector<std::string_view> categories;
};

// Phrases that make one claim, and where it may be made: in every category of wholeFiles and
// in the categories of scopes. A claim with neither is made by no template.
struct PhraseClaim {
    std::vector<std::string_view> phrases;
    std::vector<std::string_view> wholeFiles;
    std::vector<ClaimScope> scopes;
};

constexpr std::string_view kStory = "story.dat";
constexpr std::string_view kFirstStar = "winner_1_batter.dat";
constexpr std::string_view kSecondStar = "winner_2_batter.dat";
constexpr std::string_view kLosingStar = "loser_1_batter.dat";
constexpr std::string_view kHomeRuns = "homerun.dat";

// A story category and its headline know the same.
std::vector<std::string_view> withHeadlines(std::vector<std::string_view> categories) {
    constexpr std::string_view kPrefix = "headline_";
    static constexpr std::string_view kHeadlines[] = {
        "headline_walkoff_homer", "headline_walkoff", "headline_comeback", "headline_extra",
        "headline_late",          "headline_rout",    "headline_wire",     "headline_early"};
    const std::size_t count = categories.size();
    for (std::size_t i = 0; i < count; ++i) {
        for (std::string_view headline : kHeadlines) {
            if (headline.substr(kPrefix.size()) == categories[i]) {
                categories.push_back(headline);
            }
        }
    }
    return categories;
}

// The batter files' categories that know a kind of hit: the winners' first star, the other
// two stars.
std::vector<ClaimScope> stars(std::vector<std::string_view> firstStar,
                              std::vector<std::string_view> otherStars) {
    return {
        {kFirstStar, std::move(firstStar)}, {kSecondStar, otherStars}, {kLosingStar, otherStars}};
}

std::vector<ClaimScope> plus(std::vector<ClaimScope> scopes, const ClaimScope& more) {
    scopes.push_back(more);
    return scopes;
}

// The claims in the order they are looked for.
const std::vector<PhraseClaim> kClaims = {
    // How the game went. The score sentence knows only the margin, the winner, whether the
    // loser scored and the innings; the story knows how the game was decided, and no category
    // knows that the loser threatened late or how often the lead changed.
    {{"held off", "hold off", "holds off", "holding off", "hung on", "hang on", "hangs on",
      "hanging on", "held on", "hold on", "holds on", "holding on", "surviv*"},
     {},
     {}},
    {{"pulled away", "pull away", "pulls away", "pulling away", "ran away", "run away", "runs away",
      "running away", "going away", "cruis*"},
     {},
     {}},
    {{"early", "lead change*", "see-saw", "seesaw", "back-and-forth", "back and forth", "threat*"},
     {},
     {}},
    {{"walk-off", "walkoff", "walk off", "walks off", "walked off", "game-ending", "ended it",
      "ended the game", "ends it", "last play", "final play", "last swing", "final swing",
      "last at-bat", "final at-bat", "home winners", "bottom of"},
     {},
     {{kStory, withHeadlines({"walkoff_homer", "walkoff"})}}},
    {{"scoreless"}, {}, {{"score.dat", {"shutout"}}, {kStory, withHeadlines({"wire"})}}},
    {{"never trail*", "scored first", "score first", "scores first", "strike first",
      "strikes first", "struck first", "first lead", "wire-to-wire", "wire to wire",
      "start to finish"},
     {},
     {{kStory, withHeadlines({"wire"})}}},
    {{"opened the scoring", "opens the scoring", "opened scoring", "opens scoring", "scoring began",
      "nobody scored", "no one scored", "tie*", "deadlock*", "knotted"},
     {},
     {{kStory, withHeadlines({"wire"})}}},
    {{"came back", "come back", "comes back", "coming back", "comeback*", "come-from-behind",
      "from behind", "fell behind", "rall*", "trail*", "deficit*"},
     {},
     {{kStory, withHeadlines({"comeback"})}}},
    {{"erase*", "overcame", "overcome*", "blew a", "blew the", "blow", "blows", "blown",
      "squander*", "let a lead", "let the lead"},
     {},
     {{kStory, withHeadlines({"comeback"})}}},
    {{"late"}, {}, {{kStory, withHeadlines({"late", "walkoff_homer", "walkoff", "extra"})}}},
    {{"extra inning*", "extra-inning*", "extras", "outlast*"},
     {},
     {{"score.dat", {"extra"}}, {kStory, withHeadlines({"extra"})}}},
    {{"for good", "to stay", "the rest of the way", "go-ahead", "decisive", "deciding",
      "decided it"},
     {kStory},
     {}},
    {{"rout*", "romp*", "blowout*", "blew out", "laugher", "lopsided", "trounc*", "crush*",
      "pound*", "hammer*", "buried", "thump*", "clobber*", "lost big"},
     {},
     {{"score.dat", {"rout"}}, {kStory, withHeadlines({"rout"})}}},
    {{"shut out", "shutout*", "blank*", "whitewash*", "zeros", "off the scoreboard",
      "failed to score", "did not score", "came up empty", "shut the door", "slammed the door",
      "slam the door"},
     {},
     {{"score.dat", {"shutout"}}}},
    {{"close", "edg*", "nipped", "squeak*", "slipped past", "narrow*", "tight", "nail-biter",
      "one-run", "by a run", "just short", "whisker"},
     {},
     {{"score.dat", {"close"}}}},
    {{"doubled up", "double the", "twice", "two to one", "half as many"},
     {},
     {{"score.dat", {"double"}}}},

    // A pitcher's record is the one after this game: a loss changes the loser's, so it never
    // "remains"; no category knows a streak, a first win or how a reliever's outs came.
    {{"remain*", "streak*", "straight", "in a row", "consecutive*", "unbeaten", "undefeated",
      "winless"},
     {},
     {}},
    {{"first win", "first victory", "first loss", "first defeat", "first save"}, {}, {}},
    {{"last out", "last outs", "final out*", "last three outs", "final three outs", "retired",
      "struck out", "strikeout*", "perfect", "1-2-3", "in order"},
     {},
     {}},
    {{"over .500", "above .500", "a game over", "winning record", "winning mark", "winning side"},
     {},
     {{"pitch_won.dat", {"great", "gap", "above", "raises"}}, {"pitch_lost.dat", {"gap"}}}},
    {{"below .500", "under .500", "further below", "losing record", "losing mark", "losing side"},
     {},
     {{"pitch_won.dat", {"dismal"}}, {"pitch_lost.dat", {"dismal", "below", "falls"}}}},
    {{"evened", "evening his", "even his", "an even", "back to .500", "break-even", "squared his"},
     {},
     {{"pitch_won.dat", {"evens"}}, {"pitch_lost.dat", {"evens"}}}},
    {{"struggl*", "rough season", "hard season", "tough season", "long season", "much-needed"},
     {},
     {{"pitch_won.dat", {"dismal"}}, {"pitch_lost.dat", {"dismal"}}}},
    {{"strong season", "fine season", "big season", "season to remember", "sparkling", "gaudy",
      "ace"},
     {},
     {{"pitch_won.dat", {"twenty", "great", "gap"}}, {"pitch_lost.dat", {"gap"}}}},

    // The temperature is a band of the thermometer: it never knows the sky, the rain or the
    // hour, and only the bands at either end know cold or heat ("hand warmers" and "sweater"
    // are read as cold before "warm*" and "sweat*" are looked for).
    {{"sun*", "sky", "skies", "cloud*", "rain*", "shower*", "wet", "wind*", "breez*", "gust*"},
     {},
     {}},
    {{"fair", "clear", "beautiful", "lovely", "gorgeous", "pleasant", "ideal", "mild", "balmy",
      "baseball weather", "fine day"},
     {},
     {}},
    {{"day", "night", "afternoon", "evening", "morning", "twilight", "dusk", "under the lights"},
     {},
     {}},
    {{"cold", "chill*", "nip", "brisk*", "crisp", "cool", "jacket*", "sweater*", "bundl*", "breath",
      "coats", "hand warmers", "shiver*", "frigid", "bitter"},
     {},
     {{"temperature.dat", {"chilly", "cold"}}}},
    {{"heat", "hot", "warm*", "sweat*", "swelter*", "scorch*", "blister*", "sear*", "bak*",
      "steam*", "sizzl*"},
     {},
     {{"temperature.dat", {"100", "hot"}}}},

    // A batter's sentence knows the counts its category tests: a kind of hit, runs batted in
    // (a home run drives in at least its hitter), a cycle. The home-run sentence follows a
    // home run of this game.
    {{"cycle*"}, {}, stars({"cycle", "Hits234"}, {"cycle", "Hits234"})},
    {{"homer*", "home run*", "went deep", "goes deep", "going deep", "long ball*", "round-trip*",
      "out of the park", "left the park", "cleared the", "grand slam*", "dinger*"},
     {kHomeRuns},
     plus(stars({"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits4", "oneHR"},
                {"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits4"}),
          {kStory, withHeadlines({"walkoff_homer"})})},
    {{"tripl*"},
     {},
     plus(stars({"cycle", "Hits234", "Hits34", "Hits23RBI", "Hits23", "Hits3RBI", "Hits3"},
                {"cycle", "Hits234", "Hits34"}),
          {kHomeRuns,
           {"multRBI3B", "mult3B", "1RBI3B", "13B", "2RBI3B", "23B", "3RBI3B", "33B", "oRBI3B",
            "o3B"}})},
    {{"doubl*"},
     {},
     plus(plus(stars({"cycle", "Hits234", "Hits24", "Hits23RBI", "Hits23", "Hits2RBI", "Hits2"},
                     {"cycle", "Hits234", "Hits24"}),
               {kHomeRuns,
                {"multRBI2B", "mult2B", "1RBI2B", "12B", "2RBI2B", "22B", "3RBI2B", "32B", "oRBI2B",
                 "o2B"}}),
          {"score.dat", {"double"}})},
    {{"singl*"}, {}, stars({"cycle", "Hits234", "RBI"}, {"cycle", "Hits234"})},
    {{"drove in", "drive in", "drives in", "driving in", "driven in", "knocked in", "knock in",
      "knocking in", "batted in", "rbi", "plated"},
     {},
     plus(stars({"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits23RBI", "Hits4", "Hits3RBI",
                 "Hits2RBI", "RBI", "oneHR"},
                {"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits4"}),
          {kHomeRuns,
           {"multRBI3B", "multRBI2B", "multRBI", "1RBI3B", "1RBI2B", "1RBI", "2RBI3B", "2RBI2B",
            "2RBI", "3RBI3B", "3RBI2B", "3RBI", "oRBI3B", "oRBI2B", "oRBI"}})},
};

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool mayClaim(const PhraseClaim& claim, std::string_view fileName, std::string_view category) {
    if (std::find(claim.wholeFiles.begin(), claim.wholeFiles.end(), fileName) !=
        claim.wholeFiles.end()) {
        return true;
    }
    return std::any_of(claim.scopes.begin(), claim.scopes.end(), [&](const ClaimScope& scope) {
        return scope.fileName == fileName &&
               std::find(scope.categories.begin(), scope.categories.end(), category) !=
                   scope.categories.end();
    });
}

// Finds the phrase in text where no earlier phrase was found, marks what it covers (for a stem,
// to the end of its word) as read, and tells whether it was found at least once.
bool findAndMark(std::string_view phrase, std::string_view text, std::vector<bool>& read) {
    const bool stem = phrase.ends_with('*');
    const std::string_view core = stem ? phrase.substr(0, phrase.size() - 1) : phrase;
    bool found = false;
    for (std::size_t at = text.find(core); at != std::string_view::npos;
         at = text.find(core, at + 1)) {
        std::size_t end = at + core.size();
        if (at > 0 && isWordCharacter(text[at - 1])) {
            continue;
        }
        if (stem) {
            while (end < text.size() && isWordCharacter(text[end])) {
                ++end;
            }
        } else if (end < text.size() && isWordCharacter(text[end])) {
            continue;
        }
        if (std::any_of(read.begin() + static_cast<std::ptrdiff_t>(at),
                        read.begin() + static_cast<std::ptrdiff_t>(end),
                        [](bool r) { return r; })) {
            continue;
        }
        std::fill(read.begin() + static_cast<std::ptrdiff_t>(at),
                  read.begin() + static_cast<std::ptrdiff_t>(end), true);
        found = true;
    }
    return found;
}

}  // namespace

std::vector<std::string_view> claimsBeyondCategory(std::string_view fileName,
                                                   std::string_view category,
                                                   std::string_view phraseTemplate) {
    const std::string text = lowerCase(phraseTemplate);
    std::vector<bool> read(text.size(), false);
    std::vector<std::string_view> beyond;
    for (const PhraseClaim& claim : kClaims) {
        const bool allowed = mayClaim(claim, fileName, category);
        for (std::string_view phrase : claim.phrases) {
            if (findAndMark(phrase, text, read) && !allowed) {
                beyond.push_back(phrase);
            }
        }
    }
    return beyond;
}

}  // namespace quillbat
