#include "core/name_style.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "boxscore/field_reading.h"
#include "core/text_encoding.h"

namespace quillbat {
namespace {

struct NameParts {
    std::string_view surname;
    std::string_view initials;  // empty for a name without a comma
};

NameParts nameParts(std::string_view name) {
    const std::size_t comma = name.find(',');
    if (comma == std::string_view::npos) {
        return {name, {}};
    }
    return {trimBlanks(name.substr(0, comma)), trimBlanks(name.substr(comma + 1))};
}

// The first letter of the initials: one byte, or one character of a UTF-8 name.
std::string_view firstLetter(std::string_view initials) {
    std::size_t length = 1;
    if (isValidUtf8(initials)) {
        while (length < initials.size() &&
               (static_cast<unsigned char>(initials[length]) & 0xC0U) == 0x80U) {
            ++length;
        }
    }
    return initials.substr(0, length);
}

// The name as a newspaper prints it, among the initials of every distinct name with its surname
// (its own included).
std::string newspaperName(const std::string& name, const std::vector<std::string_view>& namesakes) {
    const NameParts parts = nameParts(name);
    // Plain names rather than a structured binding: clang 14 cannot capture one in a lambda.
    const std::string_view surname = parts.surname;
    const std::string_view initials = parts.initials;
    if (surname.empty() || initials.empty()) {
        return name;
    }
    if (namesakes.size() == 1) {
        return std::string(surname);
    }
    const bool sharedLetter =
        std::count_if(namesakes.begin(), namesakes.end(), [&](std::string_view other) {
            return firstLetter(other) == firstLetter(initials);
        }) > 1;
    return std::string(sharedLetter ? initials : firstLetter(initials)) + ". " +
           std::string(surname);
}

std::vector<std::string*> playerNames(GameRecord& record) {
    std::vector<std::string*> names = {&record.winPitcher, &record.losePitcher,
                                       &record.savePitcher};
    for (Team team : kTeams) {
        for (Batter& batter : record.batters[team]) {
            names.push_back(&batter.batterName);
        }
    }
    return names;
}

}  // namespace

void useNewspaperNames(GameRecord& record) {
    const std::vector<std::string*> names = playerNames(record);
    std::set<std::string> distinct;
    for (const std::string* name : names) {
        if (!name->empty()) {
            distinct.insert(*name);
        }
    }
    std::map<std::string_view, std::vector<std::string_view>> initialsBySurname;
    for (const std::string& name : distinct) {
        const NameParts parts = nameParts(name);
        initialsBySurname[parts.surname].push_back(parts.initials);
    }

    std::map<std::string, std::string> printed;
    for (const std::string& name : distinct) {
        printed[name] = newspaperName(name, initialsBySurname[nameParts(name).surname]);
    }
    for (std::string* name : names) {
        if (!name->empty()) {
            *name = printed[*name];
        }
    }
    if (!record.story) {
        return;
    }
    // The play-by-play names the players as the batting rows do; a name of its own is written
    // beside the record's namesakes without changing theirs.
    for (std::string* name : {&record.story->subject, &record.story->batter}) {
        if (name->empty()) {
            continue;
        }
        if (const auto found = printed.find(*name); found != printed.end()) {
            *name = found->second;
            continue;
        }
        const NameParts parts = nameParts(*name);
        const auto known = initialsBySurname.find(parts.surname);
        std::vector<std::string_view> namesakes;
        if (known != initialsBySurname.end()) {
            namesakes = known->second;
        }
        namesakes.push_back(parts.initials);
        *name = newspaperName(*name, namesakes);
    }
}

}  // namespace quillbat
