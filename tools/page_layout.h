#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/generated_game.h"

// The pieces every page of a generated file shares, in the game's columns.
namespace quillbat::generator {

// printf of one whole number: format("%3d", 7) is "  7".
std::string format(const char* pattern, int value);
std::string padRight(std::string text, std::size_t width);
std::string padLeft(const std::string& text, std::size_t width);

// Line 1 of every page: "4/10/1999, Gri99-Bom99, Fenway Park".
std::string firstLine(const GeneratedGame& game);

// The line score: twelve innings to a block, the totals after the last one.
std::vector<std::string> lineScoreLines(const GeneratedGame& game);

}  // namespace quillbat::generator
