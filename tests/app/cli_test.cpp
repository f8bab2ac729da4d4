// Runs the real quillbat-cli and compares its whole output.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace quillbat {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUILLBAT_SOURCE_DIR;
const std::string kTestPhrases = (kSource / "tests/article/phrases").string();

std::string example(const std::string& name) {
    return (kSource / "examples" / name).string();
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class QuillbatCli : public testing::Test {
  protected:
    QuillbatCli() {
        folder =
            fs::temp_directory_path() / ("quillbat-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~QuillbatCli() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    // Runs quillbat-cli with the arguments (each quoted here) and collects its output.
    CliRun run(const std::vector<std::string>& arguments) {
        std::string program =
            (fs::path(QUILLBAT_BUILD_DIR) / "quillbat-cli").make_preferred().string();
        std::string command = "\"" + program + "\"";
        for (const std::string& argument : arguments) {
            command += " \"" + argument + "\"";
        }
        const fs::path out = folder / "stdout.txt";
        const fs::path err = folder / "stderr.txt";
        command += " > \"" + out.string() + "\" 2> \"" + err.string() + "\"";
#ifdef _WIN32
        // cmd.exe drops the first and the last quotation mark of a command that starts with one.
        command = "\"" + command + "\"";
#endif
        CliRun result;
        const int raw = std::system(command.c_str());
#ifdef _WIN32
        result.status = raw;
#else
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        result.out = readText(out);
        result.err = readText(err);
        return result;
    }
    CliRun article(const std::string& boxscore, const std::string& seed = "7") {
        return run({"--seed", seed, "--data", kTestPhrases, boxscore});
    }

    fs::path folder;
};

// Every example's article with seed 7 and the test phrase files, whose templates name their
// category in parentheses, compared whole with tests/app/golden/<example>.seed7.txt.
TEST_F(QuillbatCli, ExamplesWithAFixedSeed) {
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(kSource / "examples")) {
        if (entry.path().extension() != ".box") {
            continue;
        }
        const std::string name = entry.path().stem().string();
        CliRun result = article(entry.path().string());
        EXPECT_EQ(result.status, 0) << name;
        EXPECT_EQ(result.out, readText(kSource / "tests/app/golden" / (name + ".seed7.txt")))
            << name;
        EXPECT_EQ(result.err, "") << name;
        ++compared;
    }
    EXPECT_GE(compared, 6);
}

TEST_F(QuillbatCli, KthBoxscoreIsSeededWithSeedPlusK) {
    const std::string game = example("2026081904801.box");
    const std::string other = example("2026081904802.box");
    CliRun batch = run({"--seed", "4294967295", "--data", kTestPhrases, game, other, game});
    EXPECT_EQ(batch.status, 0);
    EXPECT_EQ(batch.out,
              article(game, "4294967295").out + article(other, "0").out + article(game, "1").out);
    EXPECT_NE(article(game, "0").out, article(game, "4294967295").out);
}

TEST_F(QuillbatCli, RefusedBoxscoreGoesToStandardErrorAndTheBatchGoesOn) {
    const std::string missing = (folder / "missing.box").string();
    const std::string game = example("2026090211200.box");
    CliRun result = run({"--seed", "6", "--data", kTestPhrases, missing, game});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, article(game).out);  // the second boxscore gets seed 6 + 1
    EXPECT_EQ(result.err, missing + ": cannot be opened: no such file\n");
}

TEST_F(QuillbatCli, PhraseFileErrorPrintsNoPartialArticle) {
    CliRun result = run({"--seed", "7", "--data", folder.string(), example("2026090211200.box")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              (folder / "temperature.dat").string() + ": cannot be opened: no such file\n");
}

TEST_F(QuillbatCli, SaveWritesTheTrimmedArticleBesideTheBoxscore) {
    const fs::path boxscore = folder / "gm05.box";
    fs::copy_file(example("2026050306100.box"), boxscore);
    CliRun result = run({"--seed", "7", "--data", kTestPhrases, "--save", boxscore.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string printed = result.out.substr(0, result.out.size() - 1);
    ASSERT_EQ(printed.substr(printed.size() - 2), "  ");
    EXPECT_EQ(readText(folder / "gm05.txt"), printed.substr(0, printed.size() - 2) + "\r\n");
}

TEST_F(QuillbatCli, BadUsageExitsWithTwo) {
    const std::string game = example("2026090211200.box");
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"--seed", "x", game},
        {"--seed", "-1", game},
        {"--seed", "4294967296", game},
        {"--colour", game},
        {"--record", "--save", game},
        {"--seed", "7"},
    };
    for (const auto& usage : usages) {
        CliRun result = run(usage);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(usage);
        EXPECT_EQ(result.out, "") << testing::PrintToString(usage);
        EXPECT_NE(result.err, "") << testing::PrintToString(usage);
    }
}

TEST_F(QuillbatCli, RecordOfTheWorkedExample) {
    CliRun result = run({"--record", example("riverton-at-harbor-city.box")});
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(result.out.back(), '\n');
    EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << "one line per boxscore";
    const nlohmann::json record = nlohmann::json::parse(result.out);
    EXPECT_EQ(record["gameDate"], "April 10, 1999");
    EXPECT_EQ(record["ballparkName"], "Lakeside Park");
    EXPECT_EQ(record["ballpark"], "Lakeside Park");
    EXPECT_EQ(record["lineScoreHeaderLine"], 3);
    EXPECT_EQ(record["innings"], 9);
    EXPECT_EQ(record["teamName"], nlohmann::json({"Riverton", "Harbor City"}));
    EXPECT_EQ(record["runs"], nlohmann::json({3, 5}));
    EXPECT_EQ(record["hits"], nlohmann::json({8, 9}));
    EXPECT_EQ(record["errors"], nlohmann::json({1, 0}));
    EXPECT_EQ(record["leftOnBase"], nlohmann::json({7, 6}));
    EXPECT_EQ(record["doublePlays"], nlohmann::json({1, 2}));
    EXPECT_EQ(record["inningRuns"][0], nlohmann::json({0, 0, 1, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(record["inningRuns"][1], nlohmann::json({1, 0, 0, 0, 3, 0, 0, 1, 0}));
    EXPECT_EQ(record["winTeam"], 2);
    EXPECT_EQ(record["loseTeam"], 1);
    EXPECT_EQ(record["battingHeaderLine"], 7);
    EXPECT_EQ(record["firstNotesLine"], 11);
    EXPECT_EQ(record["weatherLine"], 13);
    EXPECT_EQ(record["temperature"], 72);
    EXPECT_EQ(record["windSpeed"], 22);
    EXPECT_EQ(record["strongWind"], true);
    EXPECT_EQ(record["windText"], "out to cf at 22 mph");
    EXPECT_EQ(record["pitchingHeaderLine"], 15);
    EXPECT_EQ(record["pitchingEndLine"], 21);
    EXPECT_EQ(record["winPitcher"], "Tom Ashford");
    EXPECT_EQ(record["winWins"], 12);
    EXPECT_EQ(record["winLosses"], 5);
    EXPECT_EQ(record["winInnings"], "8.0");
    EXPECT_EQ(record["winHits"], 7);
    EXPECT_EQ(record["winRuns"], 3);
    EXPECT_EQ(record["winEarnedRuns"], 3);
    EXPECT_EQ(record["winStrikeouts"], 9);
    EXPECT_EQ(record["winPitches"], 112);
    EXPECT_EQ(record["winEra"], 3.05);
    EXPECT_EQ(record["losePitcher"], "Carl Dunn");
    EXPECT_EQ(record["loseWins"], 3);
    EXPECT_EQ(record["loseLosses"], 7);
    EXPECT_EQ(record["loseInnings"], "7.0");
    EXPECT_EQ(record["savePitcher"], "Lou Vance");
    EXPECT_EQ(record["saves"], 14);
    const nlohmann::json& pike = record["batters"][0][0];
    EXPECT_EQ(pike["batterName"], "Ned Pike cf");
    EXPECT_EQ(pike["atBats"], 4);
    EXPECT_EQ(pike["runsScored"], 1);
    EXPECT_EQ(pike["batterHits"], 2);
    EXPECT_EQ(pike["runsBattedIn"], 1);
    EXPECT_EQ(pike["average"], 0.301);
    EXPECT_EQ(record["batters"][0].size(), 2u);
    EXPECT_EQ(record["batters"][1].size(), 2u);
}

}  // namespace
}  // namespace quillbat
