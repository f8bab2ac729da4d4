#include "boxscore/game_label.h"

namespace quillbat {

std::string gameLabelFromFileName(std::string_view fileName) {
    if (fileName.size() < 5) {
        return {};
    }
    switch (fileName[fileName.size() - 5]) {
        case '1':
            return "Game One.  ";
        case '2':
            return "Game Two.  ";
        default:
            return {};
    }
}

}  // namespace quillbat
