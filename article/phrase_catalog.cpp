#include "article/phrase_catalog.h"

#include <array>

namespace quillbat {
namespace {

const std::vector<std::string_view> kStarCategories = {"cycle",  "HRs",   "Hits234", "Hits34",
                                                       "Hits24", "Hits4", "none"};

// The game counts of the batter files are written as words up to ten ("two").
const std::vector<std::string_view> kCountWordTokens = {"gmHits", "gmAB", "gm2B",
                                                        "gm3B",   "gmHR", "gmRBI"};

const std::array<PhraseFileEntry, 10> kCatalog = {{
    {"temperature.dat",
     {{TemplatePlace::kArticleStart, {"none", "100", "hot", "chilly", "cold", "normal"}, {}}},
     {"degrees", "date"},
     {},
     {}},
    {"score.dat",
     {{TemplatePlace::kAfterThe, {"normal", "double", "rout", "shutout", "close", "extra"}, {}}},
     {"winners", "losers", "winRuns", "loseRuns", "numInnings"},
     {},
     {}},
    {"pitch_won.dat",
     {{TemplatePlace::kSentences,
       {"twenty", "great", "gap", "dismal", "above", "raises", "evens", "normal"},
       {}}},
     {"winPitch", "wins", "losses"},
     {},
     {}},
    {"pitch_lost.dat",
     {{TemplatePlace::kSentences, {"gap", "dismal", "below", "falls", "evens", "normal"}, {}}},
     {"losePitch", "wins", "losses"},
     {},
     {}},
    {"pitch_save.dat",
     {{TemplatePlace::kSentences, {"20", "10", "0"}, {}}},
     {"savePitch", "saves"},
     {},
     {}},
    {"winner_1_batter.dat",
     {{TemplatePlace::kSentences,
       {"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits23RBI", "Hits23", "Hits4", "Hits3RBI",
        "Hits3", "Hits2RBI", "Hits2", "RBI", "oneHR", "none", "normal"},
       {}}},
     {"batter", "winners", "gmH-AB", "gmHits", "gmAB", "gm2B", "gm3B", "gmHR", "gmRBI"},
     kCountWordTokens,
     {}},
    {"homerun.dat",
     {{TemplatePlace::kSentences,
       {"multRBI3B", "multRBI2B", "multRBI", "mult3B", "mult2B", "mult",   "1RBI3B", "1RBI2B",
        "1RBI",      "13B",       "12B",     "1",      "2RBI3B", "2RBI2B", "2RBI",   "23B",
        "22B",       "2",         "3RBI3B",  "3RBI2B", "3RBI",   "33B",    "32B",    "3",
        "oRBI3B",    "oRBI2B",    "oRBI",    "o3B",    "o2B",    "other"},
       {}}},
     {"homeruns", "triples", "doubles", "rbi"},
     {},
     {}},
    {"winner_2_batter.dat",
     {{TemplatePlace::kSentences, kStarCategories, {}}},
     {"batter", "winners", "gmH-AB", "gmHits", "gmAB", "gm2B", "gm3B", "gmHR", "gmRBI"},
     kCountWordTokens,
     {}},
    {"loser_1_batter.dat",
     {{TemplatePlace::kSentences, kStarCategories, {}}},
     {"batter", "losers", "gmH-AB", "gmHits", "gmAB", "gm2B", "gm3B", "gmHR", "gmRBI"},
     kCountWordTokens,
     {}},
    // The game's story: one sentence naming the play that decided the game (a rout names its
    // biggest inning instead), and a headline for the forum formats.
    {"story.dat",
     {{TemplatePlace::kSentences,
       {"walkoff_homer", "walkoff", "comeback", "extra", "late", "wire", "early"},
       {{"decider", "Decider"}, {"inning"}}},
      {TemplatePlace::kSentences, {"rout"}, {{"bigInning"}, {"bigInningRuns"}}},
      {TemplatePlace::kHeadline,
       {"headline_walkoff_homer", "headline_walkoff", "headline_comeback", "headline_extra",
        "headline_late", "headline_rout", "headline_wire", "headline_early"},
       {{"winners"}, {"losers"}, {"winRuns"}, {"loseRuns"}}}},
     {"winners", "losers", "winRuns", "loseRuns", "decider", "Decider", "inning", "half", "outs",
      "score", "deficit", "bigInning", "bigInningRuns"},
     {"decider", "inning", "half", "outs", "deficit", "bigInning", "bigInningRuns"},
     {"Decider"}},
}};

}  // namespace

std::span<const PhraseFileEntry> phraseCatalog() {
    return kCatalog;
}

std::vector<std::string_view> categoriesOf(const PhraseFileEntry& entry) {
    std::vector<std::string_view> categories;
    for (const CategoryGroup& group : entry.groups) {
        categories.insert(categories.end(), group.categories.begin(), group.categories.end());
    }
    return categories;
}

}  // namespace quillbat
