#include "qt/fonts.h"

#include <QStringList>

namespace quillbat::qt {
namespace {

QFont fontOf(const QStringList& families, QFont::StyleHint hint, qreal points, bool bold,
             bool italic = false) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace

QFont impactFont(qreal points, bool bold) {
    return fontOf({"Impact", "Haettenschweiler", "Arial Narrow", "Liberation Sans Narrow",
                   "DejaVu Sans Condensed", "Nimbus Sans Narrow"},
                  QFont::SansSerif, points, bold);
}

QFont verdanaFont(qreal points, bool bold) {
    return fontOf({"Verdana", "DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans"},
                  QFont::SansSerif, points, bold);
}

QFont tahomaFont(qreal points, bool bold, bool italic) {
    return fontOf({"Tahoma", "Segoe UI", "DejaVu Sans", "Liberation Sans"}, QFont::SansSerif,
                  points, bold, italic);
}

QFont timesFont(qreal points, bool bold) {
    return fontOf({"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"}, QFont::Serif,
                  points, bold);
}

}  // namespace quillbat::qt
