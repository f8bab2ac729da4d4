#include "article/losing_pitcher_paragraph.h"

#include "article/append_phrase.h"
#include "article/number_word.h"

namespace quillbat {

std::string_view loserRecordCategory(std::int16_t wins, std::int16_t losses) {
    const int w = wins;
    const int l = losses;
    if (w - l > 5) {
        return "gap";
    }
    if (l - w > 5) {
        return "dismal";
    }
    if (l - w == 1 && w > 3) {
        return "below";
    }
    if (l > w && l > 5) {
        return "falls";
    }
    if (w == l) {
        return "evens";
    }
    return "normal";
}

std::optional<std::string_view> saveCategory(std::int16_t saves) {
    if (saves > 20) {
        return "20";
    }
    if (saves > 10) {
        return "10";
    }
    if (saves > 0) {
        return "0";
    }
    return std::nullopt;
}

std::string savesText(std::int16_t saves) {
    return saves > 20 ? ordinalNumber(saves) : std::to_string(saves);
}

void writeLosingPitcherParagraphs(const GameRecord& record, ArticleContext& context) {
    appendPhrase(context, "pitch_lost.dat", loserRecordCategory(record.loseWins, record.loseLosses),
                 {{"losePitch", record.losePitcher},
                  {"wins", std::to_string(record.loseWins)},
                  {"losses", std::to_string(record.loseLosses)}});
    if (record.savePitcher.empty()) {
        return;
    }
    // A save count of 0 or less is not what the game prints for a save; such a pitcher is
    // left out rather than written up under a borrowed category.
    const std::optional<std::string_view> category = saveCategory(record.saves);
    if (!category) {
        return;
    }
    appendPhrase(context, "pitch_save.dat", *category,
                 {{"savePitch", record.savePitcher}, {"saves", savesText(record.saves)}});
}

}  // namespace quillbat
