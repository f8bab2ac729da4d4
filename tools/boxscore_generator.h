#pragma once

#include <cstdint>
#include <string>

#include "tools/generated_game.h"

namespace quillbat::generator {

struct GeneratorOptions {
    BattingLayout layout = BattingLayout::kSideBySide;
};

// The text of a whole boxscore file as the game writes it, made up from `seed` alone: the same
// seed and options always give the same text, with every standard library. CR LF line ends, the
// game's columns, 180 to 650 lines: the boxscore, then after a form feed a scoresheet page, then
// after another the play-by-play (planGame and layOutBoxscore tell the parts).
//
// Over a thousand seeds the games reach every opening, pitcher and batter category of the
// article: all temperature bands (no weather, no temperature with a GWRBI line, triple digits),
// rain delays, threatening skies, wet fields and strong wind, every game type with extra
// innings up to 20, big hitting days, every won-lost band of the winning and losing pitcher,
// saves in all three bands, star batters of every kind with season totals for every home-run
// family and row, three or more walks and season averages at .285 and .425. Names hold no
// ". ", ", " or "-", so the notes read back exactly.
//
// The play-by-play agrees with the line score: each half-inning scores the runs of its cell, a
// home team ahead after the top of the ninth does not bat in it ("x"), a walk-off ends the game
// on its winning play, and the winners go ahead for good in the half-inning and with the kind
// of play the game's goAhead names. Over a few hundred seeds that play is of every kind the
// story tells apart (homer, triple, double, single, sacrificeFly, walk, hitByPitch, wildPitch,
// passedBall, balk, steal, error, out) and the games are won in every way it tells apart:
// walk-off homers and other walk-offs, comebacks from three or more down, in extra innings, late,
// by seven or more, wire to wire and early. The boxscore agrees with itself and with the
// play-by-play where they meet: the runs by inning, by batter and by pitcher add up to the
// team's; hits, homers and runs batted in stay within them; the pitchers record the outs of
// their innings in turn and give up the other team's hits; the win goes to the pitcher of
// record when the winners went ahead, the loss to the pitcher on the mound then, the GWRBI to
// the batter who drove that run in. The play-by-play does not retrace each batter's line.
std::string generateBoxscore(std::uint32_t seed, const GeneratorOptions& options = {});

}  // namespace quillbat::generator
