// Articles written with the shipped phrase files about hundreds of generated games, read the way
// a copy editor would: no token left, sentences joined by exactly two blanks and starting with a
// capital letter, no doubled word, no blank before a point or comma, numbers agreeing with
// their nouns.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "article/phrase_catalog.h"
#include "article/write_article.h"
#include "boxscore/boxscore_reader.h"
#include "tests/article/article_test_support.h"
#include "tests/support/boxscore_generator.h"

namespace quillbat {
namespace {

constexpr std::uint32_t kGames = 600;
constexpr std::uint32_t kSeedsPerGame = 4;
// The rarest categories (a multi-homer day with 80 RBI and 7 triples on the season) come up a
// few times in a thousand games.
constexpr std::uint32_t kCoverageGames = 2400;

struct GeneratedGame {
    std::string fileName;
    GameRecord record;
};

// Game `seed` as read from its boxscore: every fourth game in the full-column layout, and file
// names ending in 0, 1 or 2, so doubleheader labels come up too.
GeneratedGame generatedGame(std::uint32_t seed) {
    testing::GeneratorOptions options;
    options.layout =
        seed % 4 == 3 ? testing::BattingLayout::kFullColumn : testing::BattingLayout::kSideBySide;
    std::string name = "game" + std::to_string(seed) + std::to_string(seed % 3) + ".box";
    return {name, readBoxscore(testing::generateBoxscore(seed, options), name)};
}

std::string writeWith(PhraseSource& phrases, const GameRecord& record, std::uint32_t seed) {
    MersenneRandom random(seed);
    StringArticle article;
    ArticleContext context{phrases, random, article};
    writeArticle(record, context);
    return article.text();
}

bool isSentenceEnd(char c) {
    return c == '.' || c == '!' || c == '?';
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string lowered(std::string_view word) {
    std::string low(word);
    for (char& c : low) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return low;
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::istringstream in{std::string(text)};
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::string_view withoutPunctuation(std::string_view word) {
    while (!word.empty() && (word.back() == ',' || isSentenceEnd(word.back()))) {
        word.remove_suffix(1);
    }
    return word;
}

// Token names that are no English word, so finding one in an article means a token was left.
std::set<std::string_view> foreignTokenNames() {
    static const std::set<std::string_view> kWords = {"degrees", "date",   "winners", "losers",
                                                      "wins",    "losses", "saves",   "batter",
                                                      "triples", "doubles"};
    std::set<std::string_view> names;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        for (std::string_view token : entry.tokens) {
            if (kWords.count(token) == 0) {
                names.insert(token);
            }
        }
    }
    return names;
}

// A count "one" or "1" goes with a singular noun, every other count with a plural one.
bool isCount(std::string_view word, bool& single) {
    static const std::set<std::string_view> kWordsAboveOne = {
        "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
    single = word == "one" || word == "1";
    return single || kWordsAboveOne.count(word) > 0 ||
           (!word.empty() &&
            std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

// "home" counts as the noun only in "home run(s)".
bool disagrees(bool single, std::string_view noun, std::string_view after) {
    static const std::set<std::string_view> kSingular = {
        "hit",    "run",  "double", "triple", "homer",  "walk",   "error",  "inning",
        "at-bat", "save", "time",   "pitch",  "batter", "runner", "degree", "strikeout"};
    static const std::set<std::string_view> kPlural = {
        "hits",    "runs",  "doubles", "triples", "homers",  "walks",   "errors",  "innings",
        "at-bats", "saves", "times",   "pitches", "batters", "runners", "degrees", "strikeouts"};
    if (noun == "home") {
        return single ? after == "runs" : after == "run";
    }
    return single ? kPlural.count(noun) > 0 : kSingular.count(noun) > 0;
}

std::vector<std::string> articleFaults(std::string_view text) {
    std::vector<std::string> faults;
    if (text.empty() || !isUpper(text.front())) {
        faults.push_back("the article does not start with a capital letter");
    }
    if (text.size() < 3 || !isSentenceEnd(text[text.size() - 3]) ||
        text.substr(text.size() - 2) != "  ") {
        faults.push_back("the article does not end with a sentence end and two blanks");
    }
    if (text.find('#') != std::string_view::npos) {
        faults.push_back("a \"#\" is left");
    }
    static const std::set<std::string_view> kForeignNames = foreignTokenNames();
    std::vector<std::string> words = wordsOf(text);
    for (const std::string& word : words) {
        std::string_view bare = withoutPunctuation(word);
        if (kForeignNames.count(bare) > 0) {
            faults.push_back("the token name " + std::string(bare) + " is left");
        }
    }
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        bool pointEndsHere = i + 2 >= text.size() || text[i + 2] == ' ';
        if (text[i] == ' ' && (text[i + 1] == ',' || (text[i + 1] == '.' && pointEndsHere))) {
            faults.push_back("a blank stands before \"" + std::string(1, text[i + 1]) + "\"");
        }
    }
    for (std::size_t start = text.find(' '); start != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_not_of(' ', start), text.size());
        const std::size_t length = end - start;
        const bool afterSentence = start > 0 && isSentenceEnd(text[start - 1]);
        if (start == 0) {
            faults.push_back("the article starts with a blank");
        } else if (afterSentence && length != 2) {
            faults.push_back("sentences separated by " + std::to_string(length) + " blanks");
        } else if (afterSentence && end < text.size() && !isUpper(text[end])) {
            faults.push_back("a sentence starts with \"" + std::string(1, text[end]) + "\"");
        } else if (!afterSentence && length > 1) {
            faults.push_back("blanks in a row inside a sentence");
        }
        start = text.find(' ', end);
    }
    for (std::size_t w = 0; w + 1 < words.size(); ++w) {
        std::string_view word = words[w];
        if (withoutPunctuation(word) == word &&
            lowered(word) == lowered(withoutPunctuation(words[w + 1]))) {
            faults.push_back("doubled word \"" + words[w] + " " + words[w + 1] + "\"");
        }
        bool single = false;
        if (!isCount(withoutPunctuation(word), single) || withoutPunctuation(word) != word) {
            continue;
        }
        std::size_t nounAt = w + 1;
        if (nounAt + 1 < words.size() &&
            (words[nounAt] == "earned" || words[nounAt] == "extra-base")) {
            ++nounAt;
        }
        std::string_view noun = withoutPunctuation(words[nounAt]);
        std::string_view after =
            nounAt + 1 < words.size() ? withoutPunctuation(words[nounAt + 1]) : std::string_view();
        if (disagrees(single, noun, after)) {
            faults.push_back("count and noun disagree: \"" + words[w] + " " + words[nounAt] + "\"");
        }
    }
    return faults;
}

std::string_view firstSentence(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (isSentenceEnd(text[i]) && text[i + 1] == ' ' && text[i + 2] == ' ') {
            return text.substr(0, i + 1);
        }
    }
    return text;
}

// The shipped phrase files, read and parsed once for all the articles.
class ShippedPhrases final : public PhraseSource {
  public:
    ShippedPhrases() {
        for (const PhraseFileEntry& entry : phraseCatalog()) {
            std::string name(entry.fileName);
            files_[name] = parsePhraseFile(shippedText(name), name);
        }
    }
    const PhraseFile& load(std::string_view fileName) override {
        return files_.at(std::string(fileName));
    }

  private:
    std::map<std::string, PhraseFile> files_;
};

TEST(ArticleQuality, GeneratedGamesReadCleanly) {
    ShippedPhrases phrases;
    std::set<std::string> articles;
    std::set<std::string> firstSentences;
    std::size_t openingsPerGame = 0;
    int faulty = 0;
    std::uint32_t seed = 0;
    for (std::uint32_t number = 0; number < kGames; ++number) {
        GeneratedGame game = generatedGame(number);
        std::set<std::string> openings;
        for (std::uint32_t k = 0; k < kSeedsPerGame; ++k) {
            ++seed;  // as a batch of the command-line tool numbers its seeds
            std::string text = writeWith(phrases, game.record, seed);
            std::vector<std::string> faults = articleFaults(text);
            if (!faults.empty() && ++faulty <= 10) {
                ADD_FAILURE() << game.fileName << ", seed " << seed << ": " << faults[0] << " ("
                              << faults.size() << " faults)\n"
                              << text;
            }
            firstSentences.insert(std::string(firstSentence(text)));
            openings.insert(std::string(firstSentence(text)));
            articles.insert(std::move(text));
        }
        openingsPerGame += openings.size();
    }
    EXPECT_EQ(faulty, 0);
    std::cout << "[ quality  ] " << kGames * kSeedsPerGame << " articles of " << kGames
              << " games: " << articles.size() << " distinct articles, " << firstSentences.size()
              << " distinct first sentences; the seeds of one game give "
              << static_cast<double>(openingsPerGame) / kGames << " different first sentences of "
              << kSeedsPerGame << " on average\n";
    // Two seeds of one game should nearly always read differently.
    EXPECT_GT(articles.size(), static_cast<std::size_t>(kGames * kSeedsPerGame * 9 / 10));
}

// Phrase files whose every category holds one marker template, so an article written with them
// names the categories it drew.
MemoryPhraseSource markerPhrases() {
    MemoryPhraseSource phrases;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        std::string text;
        for (std::string_view category : entry.categories) {
            text += std::string(category) + ",\"[" + std::string(entry.fileName) + " " +
                    std::string(category) + "]\"\r\n";
        }
        phrases.set(std::string(entry.fileName), text);
    }
    return phrases;
}

TEST(ArticleQuality, GeneratedGamesReachEveryCategory) {
    MemoryPhraseSource phrases = markerPhrases();
    std::string all;
    for (std::uint32_t number = 0; number < kCoverageGames; ++number) {
        all += writeWith(phrases, generatedGame(number).record, 1);
    }
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        for (std::string_view category : entry.categories) {
            std::string marker =
                "[" + std::string(entry.fileName) + " " + std::string(category) + "]";
            EXPECT_NE(all.find(marker), std::string::npos) << marker << " never drawn";
        }
    }
}

TEST(ArticleQuality, EveryCategoryHoldsEnoughTemplates) {
    static const std::map<std::string_view, int> kMinimum = {
        {"temperature.dat", 8}, {"score.dat", 8}, {"homerun.dat", 3}};
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        auto found = kMinimum.find(entry.fileName);
        int minimum = found == kMinimum.end() ? 6 : found->second;
        std::map<std::string, int> counts;
        for (const PhraseRecord& record :
             parsePhraseFile(shippedText(entry.fileName), std::string(entry.fileName)).records) {
            ++counts[record.category];
        }
        for (std::string_view category : entry.categories) {
            EXPECT_GE(counts[std::string(category)], minimum)
                << entry.fileName << " category " << category;
        }
    }
}

TEST(ArticleQuality, CopyEditorCatchesTheFaultsItLooksFor) {
    struct Case {
        std::string_view text;
        std::string_view fault;
    };
    const Case cases[] = {
        {"The Bombers won.  He had one hits.  ", "count and noun disagree: \"one hits.\""},
        {"The Bombers won.  He scored 1 runs.  ", "count and noun disagree: \"1 runs.\""},
        {"The Bombers won.  He had 2 double.  ", "count and noun disagree: \"2 double.\""},
        {"The Bombers won.  He hit two home run.  ", "count and noun disagree: \"two home\""},
        {"The Bombers won.  He allowed one earned runs.  ",
         "count and noun disagree: \"one runs.\""},
        {"The Bombers won.  It went to the the Griffins.  ", "doubled word \"the the\""},
        {"The Bombers won.  He  was hot.  ", "blanks in a row inside a sentence"},
        {"The Bombers won. He was hot.  ", "sentences separated by 1 blanks"},
        {"The Bombers won.   He was hot.  ", "sentences separated by 3 blanks"},
        {"The Bombers won.  he was hot.  ", "a sentence starts with \"h\""},
        {"The Bombers won .  ", "a blank stands before \".\""},
        {"The Bombers won , 5-3.  ", "a blank stands before \",\""},
        {"The #winners# won.  ", "a \"#\" is left"},
        {"The Bombers won.  gmHits hits.  ", "the token name gmHits is left"},
        {"the Bombers won.  ", "the article does not start with a capital letter"},
        {"The Bombers won", "the article does not end with a sentence end and two blanks"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> faults = articleFaults(c.text);
        EXPECT_NE(std::find(faults.begin(), faults.end(), c.fault), faults.end())
            << c.text << " should show: " << c.fault;
    }
    // Near misses that are good copy.
    for (std::string_view good :
         {"He is one game over .500 at 5-4.  ", "He went 1-4 and drove in one.  ",
          "He had one hit in 11 at-bats.  ", "He allowed one earned run in 7.0 innings.  ",
          "It was a NO-HITTER folks!!!  ", "He has 0 doubles and 21 home runs.  "}) {
        EXPECT_EQ(articleFaults(good), std::vector<std::string>{}) << good;
    }
}

}  // namespace
}  // namespace quillbat
