#include "boxscore/batter_statistics.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "boxscore/field_reading.h"

namespace quillbat {
namespace {

// Kinds of notes items; kind 1 collects every other labelled list and is never applied.
enum NotesKind { kOther = 1, kDoubles, kTriples, kHomeRuns, kWalks, kRunsBattedIn };
constexpr int kNotesKinds = 6;
constexpr int kMaxNotesItem = 100;
// Only the first 31 items of each list are applied to the batters.
constexpr int kLastAppliedItem = 30;

using NotesItems = std::array<std::array<std::string_view, kMaxNotesItem + 1>, kNotesKinds + 1>;

std::int16_t clampToInt16(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(value, INT16_MIN, INT16_MAX));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The item without the tag's first `prefix` characters, trimmed.
std::string_view withoutTag(std::string_view item, std::size_t prefix) {
    return trimBlanks(item.substr(std::min(prefix, item.size())));
}

// The tags that open a list, in the order they are tested: an item holding "2B" anywhere
// opens the doubles even when it also holds "BB".
struct NotesTag {
    std::string_view tag;
    NotesKind kind;
    std::size_t prefix;  // characters of the item that the tag takes
};
constexpr std::array<NotesTag, 5> kNotesTags = {{{"2B", kDoubles, 3},
                                                 {"3B", kTriples, 3},
                                                 {"HR", kHomeRuns, 3},
                                                 {"RBI-", kRunsBattedIn, 4},
                                                 {"BB", kWalks, 3}}};

const NotesTag* tagOf(std::string_view item) {
    for (const NotesTag& tag : kNotesTags) {
        if (item.find(tag.tag) != std::string_view::npos) {
            return &tag;
        }
    }
    return nullptr;
}

// Splits every notes line at ", " and files each item under the list it belongs to. The kind
// and the item index run on across line ends, so a list wrapped onto the next line stays one.
NotesItems scanNotes(const BoxscoreSections& sections) {
    NotesItems items{};
    int kind = kOther;
    int index = 0;
    for (int n = sections.firstNotesLine; n <= sections.weatherLine; ++n) {
        std::string_view line = sections.line(n);
        if (line.empty()) {
            continue;
        }
        for (;;) {
            std::size_t end = line.find(", ");
            std::string_view item = line.substr(0, end);
            if (const NotesTag* tag = tagOf(item)) {
                kind = tag->kind;
                index = 0;
                item = withoutTag(item, tag->prefix);
            } else if (item.find('-') != std::string_view::npos) {
                kind = kOther;
                index = 0;
            }
            if (index <= kMaxNotesItem) {
                items[static_cast<std::size_t>(kind)][static_cast<std::size_t>(index)] = item;
            }
            ++index;
            if (end == std::string_view::npos) {
                break;
            }
            line.remove_prefix(end + 2);
        }
    }
    return items;
}

struct NotesEntry {
    std::string_view name;
    std::int16_t gameCount = 1;
    std::int16_t seasonTotal = 0;
};

// The text up to its first blank; empty when it has no blank.
std::string_view upToFirstBlank(std::string_view text) {
    std::size_t blank = text.find(' ');
    return blank == std::string_view::npos ? std::string_view() : trimBlanks(text.substr(0, blank));
}

// Reads "Smith 2(15)", "Jones (3)", "Brown 2" or "Green": the name, the game count (1 unless
// written) and the season total in parentheses (0 unless written).
NotesEntry readEntry(std::string_view text) {
    // The last item of a line that lost its trailing blank keeps the sentence's point.
    if (!text.empty() && text.back() == '.') {
        text.remove_suffix(1);
    }
    NotesEntry entry;
    std::size_t paren = text.find('(');
    if (paren != std::string_view::npos) {
        entry.seasonTotal = fieldInt16(text.substr(paren + 1, 3));
        if (paren >= 1 && isDigit(text[paren - 1])) {
            std::size_t countStart = paren >= 2 ? paren - 2 : 0;
            entry.gameCount = fieldInt16(text.substr(countStart, paren - countStart));
            entry.name = upToFirstBlank(text);
        } else {
            entry.name = trimBlanks(text.substr(0, paren));
        }
    } else if (!text.empty() && isDigit(text.back())) {
        entry.gameCount = static_cast<std::int16_t>(text.back() - '0');
        entry.name = upToFirstBlank(text);
    } else {
        entry.name = trimBlanks(text);
    }
    return entry;
}

void applyEntry(Batter& batter, int kind, const NotesEntry& entry) {
    switch (kind) {
        case kDoubles:
            batter.doubles = entry.gameCount;
            batter.seasonDoubles = entry.seasonTotal;
            break;
        case kTriples:
            batter.triples = entry.gameCount;
            batter.seasonTriples = entry.seasonTotal;
            break;
        case kHomeRuns:
            batter.homeRuns = entry.gameCount;
            batter.seasonHomeRuns = entry.seasonTotal;
            break;
        case kWalks:
            batter.walks = entry.gameCount;
            break;
        case kRunsBattedIn:
            batter.runsBattedIn = entry.gameCount;
            batter.seasonRunsBattedIn = entry.seasonTotal;
            break;
        default:
            break;
    }
}

// Every slot of both teams whose name matches takes the entry's counts and is rated again.
void applyNotes(GameRecord& record, const NotesItems& items) {
    for (int kind = kDoubles; kind <= kRunsBattedIn; ++kind) {
        for (int index = 0; index <= kLastAppliedItem; ++index) {
            NotesEntry entry =
                readEntry(items[static_cast<std::size_t>(kind)][static_cast<std::size_t>(index)]);
            if (entry.name.empty()) {
                continue;
            }
            for (Team team : kTeams) {
                // Names are stored trimmed.
                for (Batter& batter : record.batters[team]) {
                    if (batter.batterName == entry.name) {
                        applyEntry(batter, kind, entry);
                        rateBatter(batter);
                    }
                }
            }
        }
    }
}

}  // namespace

void rateBatter(Batter& batter) {
    const int hits = batter.batterHits;
    const std::int16_t bracket = clampToInt16(
        2 * (hits + batter.doubles + 2 * batter.triples + 3 * batter.homeRuns + batter.walks) +
        hits);
    const std::int16_t outs = clampToInt16(batter.atBats - hits);
    batter.rating = static_cast<float>(0.16 * (bracket - 0.605 * outs));
}

void chooseStars(GameRecord& record) {
    for (Team team : kTeams) {
        const std::vector<Batter>& batters = record.batters[team];
        // The search starts from the table's last slot, which holds a batter only in a box of
        // 50 batting rows and otherwise rates 0.
        constexpr std::size_t kLastSlot = kMaxBatters - 1;
        auto rating = [&](std::size_t slot) {
            return slot < batters.size() ? batters[slot].rating : 0.0F;
        };
        std::size_t first = kLastSlot;
        std::size_t second = kLastSlot;
        for (std::size_t slot = 0; slot < batters.size(); ++slot) {
            if (rating(slot) > rating(first)) {
                second = first;
                first = slot;
            } else if (rating(slot) > rating(second)) {
                second = slot;
            }
        }
        auto starAt = [&](std::size_t slot) -> std::optional<std::size_t> {
            if (slot >= batters.size() || batters[slot].batterName.empty()) {
                return std::nullopt;
            }
            return slot;
        };
        record.firstStar[team] = starAt(first);
        record.secondStar[team] = second == first ? std::nullopt : starAt(second);
    }
}

void completeBatterStatistics(const BoxscoreSections& sections, GameRecord& record) {
    if (!sections.fullColumn) {
        applyNotes(record, scanNotes(sections));
    }
    chooseStars(record);
}

}  // namespace quillbat
