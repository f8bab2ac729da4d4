// The players' names as a newspaper prints them.

#include <gtest/gtest.h>

#include "core/name_style.h"

namespace quillbat {
namespace {

struct NamesCase {
    std::vector<std::string> visitors;
    std::vector<std::string> home;
    std::array<std::string, 3> pitchers;  // winning, losing, saving
    std::string expected;                 // every name after the change, in that order, by "|"
    std::string storyBatter{};            // the batter of the game's story, when it has one
};

std::string newspaperNames(const NamesCase& names) {
    GameRecord record;
    for (auto [team, list] :
         {std::pair{kVisitors, &names.visitors}, std::pair{kHome, &names.home}}) {
        for (const std::string& name : *list) {
            record.batters[team].push_back(Batter{.batterName = name});
        }
    }
    std::tie(record.winPitcher, record.losePitcher, record.savePitcher) =
        std::tie(names.pitchers[0], names.pitchers[1], names.pitchers[2]);
    if (!names.storyBatter.empty()) {
        record.story.emplace();
        record.story->subject = record.story->batter = names.storyBatter;
    }
    useNewspaperNames(record);
    std::string joined;
    for (Team team : kTeams) {
        for (const Batter& batter : record.batters[team]) {
            joined += batter.batterName + "|";
        }
    }
    joined += record.winPitcher + "|" + record.losePitcher + "|" + record.savePitcher;
    if (record.story) {
        joined += "|" + record.story->subject + "|" + record.story->batter;
    }
    return joined;
}

TEST(NewspaperNames, SurnameAloneUnlessANamesakeNeedsTheInitials) {
    const NamesCase cases[] = {
        {{"Davis,C", "Davis,I", "Cano"}, {}, {}, "C. Davis|I. Davis|Cano|||"},
        {{"Holland,G"}, {"Holland,D"}, {}, "G. Holland|D. Holland|||"},
        {{"Lee,K"}, {}, {"Lee,C", "Reyes,A", "Reyes,Al"}, "K. Lee|C. Lee|A. Reyes|Al. Reyes"},
        {{"Ibanez,R"}, {"Ibanez,R"}, {"Ibanez,R", "", ""}, "Ibanez|Ibanez|Ibanez||"},
        {{"Peralta,Jo", "Peralta,W"}, {"Peralta,Ju"}, {}, "Jo. Peralta|W. Peralta|Ju. Peralta|||"},
        {{"Smith Jr.,K", "O'Neil,P", "Smith-Jones,R"},
         {"Smith-Jones,T"},
         {},
         "Smith Jr.|O'Neil|R. Smith-Jones|T. Smith-Jones|||"},
        {{"Griffey Jr.", "Davis", "Davis,C", "Davison,I"},
         {},
         {},
         "Griffey Jr.|Davis|C. Davis|Davison|||"},
        {{"Berg,Ål", "Berg,Äb"}, {}, {}, "Å. Berg|Ä. Berg|||"},
        {{",J", "A.J.", "Cruz,"}, {"Cruz , N"}, {}, ",J|A.J.|Cruz,|N. Cruz|||"},
        // The story's batter as the record's same name, or beside its namesakes, which keep
        // their names.
        {{"Davis,C", "Davis,I"}, {}, {}, "C. Davis|I. Davis||||I. Davis|I. Davis", "Davis,I"},
        {{"Holland,G"}, {}, {}, "Holland||||D. Holland|D. Holland", "Holland,D"},
        {{"Cano"}, {"Segura,J"}, {}, "Cano|Segura||||Segura|Segura", "Segura,J"},
    };
    for (const NamesCase& names : cases) {
        EXPECT_EQ(newspaperNames(names), names.expected);
    }
}

}  // namespace
}  // namespace quillbat
