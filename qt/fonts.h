#pragma once

#include <QFont>

// The typefaces the windows were designed with. Where one is missing, a face of the same kind
// takes its place at the same size and weight.
namespace quillbat::qt {

// Impact: a narrow, heavy display face (the scoreboard).
QFont impactFont(qreal points, bool bold = false);
// Verdana: a wide sans-serif for reading (the article, the panel, the Instructions).
QFont verdanaFont(qreal points, bool bold = false);
// Tahoma: a narrower sans-serif (the About window).
QFont tahomaFont(qreal points, bool bold = false, bool italic = false);
// Times New Roman: a serif (the splash).
QFont timesFont(qreal points, bool bold = false);

}  // namespace quillbat::qt
