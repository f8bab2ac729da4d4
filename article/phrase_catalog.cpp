#include "article/phrase_catalog.h"

#include <array>

namespace quillbat {
namespace {

const std::vector<std::string_view> kStarCategories = {"cycle",  "HRs",   "Hits234", "Hits34",
                                                       "Hits24", "Hits4", "none"};

const std::array<PhraseFileEntry, 9> kCatalog = {{
    {"temperature.dat",
     TemplatePlace::kArticleStart,
     {"none", "100", "hot", "chilly", "cold", "normal"},
     {"degrees", "date"}},
    {"score.dat",
     TemplatePlace::kAfterThe,
     {"normal", "double", "rout", "shutout", "close", "extra"},
     {"winners", "losers", "winRuns", "loseRuns", "numInnings"}},
    {"pitch_won.dat",
     TemplatePlace::kSentences,
     {"twenty", "great", "gap", "dismal", "above", "raises", "evens", "normal"},
     {"winPitch", "wins", "losses"}},
    {"pitch_lost.dat",
     TemplatePlace::kSentences,
     {"gap", "dismal", "below", "falls", "evens", "normal"},
     {"losePitch", "wins", "losses"}},
    {"pitch_save.dat", TemplatePlace::kSentences, {"20", "10", "0"}, {"savePitch", "saves"}},
    {"winner_1_batter.dat",
     TemplatePlace::kSentences,
     {"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits23RBI", "Hits23", "Hits4", "Hits3RBI",
      "Hits3", "Hits2RBI", "Hits2", "RBI", "oneHR", "none", "normal"},
     {"batter", "winners", "gmH-AB", "gmHits", "gmAB", "gm2B", "gm3B", "gmHR", "gmRBI"}},
    {"homerun.dat",
     TemplatePlace::kSentences,
     {"multRBI3B", "multRBI2B", "multRBI", "mult3B", "mult2B", "mult",   "1RBI3B", "1RBI2B",
      "1RBI",      "13B",       "12B",     "1",      "2RBI3B", "2RBI2B", "2RBI",   "23B",
      "22B",       "2",         "3RBI3B",  "3RBI2B", "3RBI",   "33B",    "32B",    "3",
      "oRBI3B",    "oRBI2B",    "oRBI",    "o3B",    "o2B",    "other"},
     {"homeruns", "triples", "doubles", "rbi"}},
    {"winner_2_batter.dat",
     TemplatePlace::kSentences,
     kStarCategories,
     {"batter", "winners", "gmH-AB", "gmHits", "gmAB", "gm2B", "gm3B", "gmHR", "gmRBI"}},
    {"loser_1_batter.dat",
     TemplatePlace::kSentences,
     kStarCategories,
     {"batter", "losers", "gmH-AB", "gmHits", "gmAB", "gm2B", "gm3B", "gmHR", "gmRBI"}},
}};

}  // namespace

std::span<const PhraseFileEntry> phraseCatalog() {
    return kCatalog;
}

}  // namespace quillbat
