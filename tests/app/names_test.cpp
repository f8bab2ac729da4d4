// The players' names as a newspaper prints them, and the setting that chooses them.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/desktop_session.h"
#include "app/name_style.h"
#include "tests/app/test_env.h"

namespace quillbat {
namespace {

const std::filesystem::path kSource = QUILLBAT_SOURCE_DIR;
const std::filesystem::path kPhrases = kSource / "tests/article/phrases";
const std::string kNamesakes = (kSource / "tests/app/formats/namesakes.box").string();

struct NamesCase {
    std::vector<std::string> visitors;
    std::vector<std::string> home;
    std::array<std::string, 3> pitchers;  // winning, losing, saving
    std::string expected;                 // every name after the change, in that order, by "|"
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
    useNewspaperNames(record);
    std::string joined;
    for (int team : {kVisitors, kHome}) {
        for (const Batter& batter : record.batters[team]) {
            joined += batter.batterName + "|";
        }
    }
    return joined + record.winPitcher + "|" + record.losePitcher + "|" + record.savePitcher;
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
    };
    for (const NamesCase& names : cases) {
        EXPECT_EQ(newspaperNames(names), names.expected);
    }
}

// The case boxscore's article with seed 7 in both styles, the style read from names.dat.
TEST(NewspaperNamesSetting, RememberedAndAppliedFromTheNextStartToTheNamesAlone) {
    TempFolder folder;
    const auto start = [&] {
        return std::make_unique<DesktopSession>(testLocations(folder.path(), kPhrases), systemEnv(),
                                                7);
    };
    std::string expected = start()->load(kNamesakes).game->article;
    for (auto [from, to] : {std::pair{"Ibanez,R", "R. Ibanez"}, std::pair{"Okafor,T", "Okafor"},
                            std::pair{"Dunmore,Jo", "Jo. Dunmore"}}) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, std::strlen(from), to);
    }
    folder.write("names.dat", "newspapers\r\n");
    EXPECT_EQ(start()->nameStyle(), NameStyle::kBoxscore);
    EXPECT_EQ(start()->setNameStyle(NameStyle::kNewspaper), "");
    EXPECT_EQ(folder.read("names.dat"), "newspaper\r\n");
    const auto nextStart = start();
    EXPECT_TRUE(nextStart->isChecked(MenuCommand::NewspaperNames));
    EXPECT_FALSE(nextStart->isChecked(MenuCommand::CopyAsText));
    EXPECT_EQ(nextStart->load(kNamesakes).game->article, expected);
}

}  // namespace
}  // namespace quillbat
