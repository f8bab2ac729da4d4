#include "qt/fonts.h"

#include <QStringList>

namespace quillbat::qt {
namespace {

// The designed face first, then faces of its kind found on Linux systems.
QStringList familiesFor(std::string_view family) {
    const QString designed =
        QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size()));
    if (family == "Impact") {
        return {designed,
                "Haettenschweiler",
                "Arial Narrow",
                "Liberation Sans Narrow",
                "DejaVu Sans Condensed",
                "Nimbus Sans Narrow"};
    }
    if (family == "Tahoma") {
        return {designed, "Segoe UI", "DejaVu Sans", "Liberation Sans"};
    }
    if (family == "Times New Roman") {
        return {designed, "Liberation Serif", "Tinos", "DejaVu Serif"};
    }
    return {designed, "DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans"};
}

}  // namespace

QFont designedFont(const FontDesign& design) {
    QFont font;
    font.setFamilies(familiesFor(design.family));
    font.setStyleHint(design.serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

}  // namespace quillbat::qt
