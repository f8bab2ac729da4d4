#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/folder_phrase_source.h"
#include "core/load_game.h"
#include "system/file_system.h"

// What the tests of loading and writing share: the test phrase files, the worked example and its
// articles.
namespace quillbat {

inline const std::filesystem::path kSourceFolder = QUILLBAT_SOURCE_DIR;
inline const std::filesystem::path kTestPhrases = kSourceFolder / "tests/support/phrases";
inline const std::string kWorkedExample =
    pathToUtf8(kSourceFolder / "examples/riverton-at-harbor-city.box");

// The article loadGame writes for the boxscore with the test phrase files and seed.
inline std::string testArticle(const std::string& boxscore, std::uint32_t seed) {
    FolderPhraseSource phrases(kTestPhrases, systemEnv());
    return loadGame(systemEnv(), boxscore, phrases, seed).game->article;
}

}  // namespace quillbat
