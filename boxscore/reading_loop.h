#pragma once

#include <string>
#include <string_view>

#include "boxscore/boxscore_sections.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The reading loop over a boxscore's lines, in file order: stores each line, notes where the
// sections lie and fills the game identity, the line score, the conditions and the pitchers
// with a decision. The batters are read later from the sections (readBattingRows).
class ReadingLoop {
  public:
    // record and sections are filled in place; fileName only names the file in refusals.
    ReadingLoop(GameRecord& record, BoxscoreSections& sections, const std::string& fileName);

    // Takes the next line of the file (without its line end). Returns false once the line
    // holding a form feed has been taken: the game ends there and further lines are not read.
    // Throws InputError when the line would be line 201 or its line-score header holds no
    // number of innings.
    bool take(std::string_view line);

    // Ends the reading. Throws InputError when the lines held nothing but blanks ("is empty"),
    // or else when no line-score header was seen.
    void finish() const;

    // The number the next line would get.
    int nextLineNumber() const { return lineNumber_; }

  private:
    void readFirstLine(std::string_view line);
    void readLineScoreHeader(std::string_view line);
    void readTeamTotals(Team team, std::string_view line);
    void readInningRow(Team team, std::string_view line);
    void readRainDelays(std::string_view line);
    void readWind(std::string_view line);
    void readTemperature(std::string_view line);
    void trackPitchingSection(std::string_view line);
    void readDecisions(std::string_view line);

    GameRecord& record_;
    BoxscoreSections& sections_;
    const std::string& fileName_;
    int lineNumber_ = 1;
    bool seenLineScore_ = false;
    bool seenText_ = false;  // a line held more than blanks
};

}  // namespace quillbat
