#pragma once

#include <QFrame>
#include <QLabel>
#include <array>
#include <iterator>

#include "core/load_game.h"
#include "desktop/window_design.h"

// The scoreboard: the line score of the last boxscore read, on dark green.
namespace quillbat::qt {

class ScoreboardView final : public QFrame {
  public:
    // Lays out its labels at their design places, converted at dotsPerInch.
    ScoreboardView(float dotsPerInch, QWidget* parent = nullptr);

    // Shows the values; the team labels take the colours given, or keep theirs on a tie.
    void show(const ScoreboardValues& values);

  private:
    // The labels in the order of kScoreboardLabels.
    std::array<QLabel*, std::size(kScoreboardLabels)> labels_{};
};

// Sets a label's text colour.
void setTextColour(QWidget* widget, Rgb colour);

// A design place in twips as pixels at dotsPerInch.
QRect pixels(const Box& twips, float dotsPerInch);

}  // namespace quillbat::qt
