#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "desktop/boxscore_filter.h"
#include "desktop/window_design.h"

// The core's texts and colours as Qt's.
namespace quillbat::qt {

// The Open dialog's filter as Qt writes one: the description's name, then the patterns it
// lists in brackets ("Boxscores (*050.box *051.box *052.box)").
QString nameFilter(const BoxscoreFilter& filter);

// UTF-8 text of the core as a QString, and back.
QString fromUtf8(std::string_view text);
std::string toUtf8(const QString& text);

// A colour of the designs as Qt's.
QColor qColor(Rgb colour);

// Bytes of a boxscore or phrase file as the user should see them (see displayText).
QString shownText(const std::string& bytes);

}  // namespace quillbat::qt
