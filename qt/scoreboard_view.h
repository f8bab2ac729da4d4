#pragma once

#include <QFrame>
#include <QLabel>

#include "app/load_game.h"

// The scoreboard: the line score of the last boxscore read, on dark green.
namespace quillbat::qt {

class ScoreboardView final : public QFrame {
  public:
    // Lays out its labels at their design places, converted at dotsPerInch.
    ScoreboardView(float dotsPerInch, QWidget* parent = nullptr);

    // Shows the values; the team labels take the colours given, or keep theirs on a tie.
    void show(const ScoreboardValues& values);

  private:
    QLabel* addLabel(const char* name, const char* caption, int left, int top, int width,
                     int height, const QFont& font, Qt::Alignment alignment);

    float dotsPerInch_;
    QLabel* ballpark_;
    QLabel* date_;
    QLabel* innings_;
    PerTeam<QLabel*> teamName_;
    PerTeam<QLabel*> runs_;
    PerTeam<QLabel*> hits_;
    PerTeam<QLabel*> errors_;
};

// Sets a label's text colour.
void setTextColour(QWidget* widget, Rgb colour);

}  // namespace quillbat::qt
