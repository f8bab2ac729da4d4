#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The category of "temperature.dat": "none" when no temperature was given, "100" from 100
// degrees, "hot" from 95, "chilly" from 46 to under 55, "cold" under 46, else "normal".
std::string_view temperatureCategory(std::optional<double> temperature);

// The category of "score.dat". Starting from "normal", each test that holds replaces the type:
// "double" (home scored twice the visitors' runs, or the visitors twice the home team's by a
// margin of 5 or more), "rout" (margin over 6), "shutout", "close" (margin under 3), "extra"
// (more than 9 innings); the last that holds wins.
std::string_view gameType(std::int16_t visitorRuns, std::int16_t homeRuns, std::int16_t innings);

// The degrees as the article writes them: whole degrees as digits ("72"), a fraction in its
// shortest decimal form with a point ("72.5").
std::string degreesText(double temperature);

// Appends the temperature phrase, the weather sentence and the score phrase. Draws twice.
// Throws InputError from the phrase files; what was appended before stays.
void writeOpeningParagraph(const GameRecord& record, ArticleContext& context);

}  // namespace quillbat
