#include "app/boxscore_file.h"

#include <fstream>

#include "app/file_system.h"
#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"

namespace quillbat {

BoxscoreReading readBoxscoreFile(const std::string& utf8Path) {
    std::ifstream in = openForReading(pathFromUtf8(utf8Path), utf8Path);
    BoxscoreReading reading = readBoxscore(in, utf8Path);
    if (in.bad()) {
        throw InputError(utf8Path, "cannot be read");
    }
    return reading;
}

}  // namespace quillbat
