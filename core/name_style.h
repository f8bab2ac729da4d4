#pragma once

#include "boxscore/game_record.h"

// How the article writes the players' names.
namespace quillbat {

enum class NameStyle {
    kBoxscore,   // as the boxscore prints them: "Holland,G"
    kNewspaper,  // as a newspaper prints them: "Holland" or "G. Holland"
};

// Rewrites every player name of record (the batters of both teams, the winning, losing and
// saving pitchers) as a newspaper prints it; nothing else changes. A name "Surname,Initials"
// becomes "Surname" when no other name of the record has that surname; otherwise the first
// initial, a point, a blank and the surname ("G. Holland"), or all the initials when another
// namesake's initials start with the same letter ("Jo. Peralta" beside "Ju. Peralta"). A name
// without a comma, or with nothing before or after its comma, stays as it is; the surname of a
// name is the text before its comma, or the whole name without one. The same name twice (a
// pitcher who also bats) is one name. Empty names stay empty. The names of the game's story
// (its subject and batter) are written so too: as the same name of the record is, or, for a
// name the record does not hold, among the record's namesakes, which stay as they are.
void useNewspaperNames(GameRecord& record);

}  // namespace quillbat
