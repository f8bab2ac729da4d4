#include "qt/conversions.h"

#include "core/text_encoding.h"

namespace quillbat::qt {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QColor qColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QString shownText(const std::string& bytes) {
    return fromUtf8(displayText(bytes));
}

QString nameFilter(const BoxscoreFilter& filter) {
    return fromUtf8(dialogDescription(filter));
}

}  // namespace quillbat::qt
