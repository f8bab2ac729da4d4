#include "core/boxscore_file.h"

#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"
#include "system/file_system.h"

namespace quillbat {

BoxscoreReading readBoxscoreFile(Env& env, const std::string& utf8Path, StoryReading story) {
    const std::unique_ptr<std::istream> in = env.openForReading(pathFromUtf8(utf8Path), utf8Path);
    BoxscoreReading reading = readBoxscore(*in, utf8Path, story);
    if (in->bad()) {
        throw InputError(utf8Path, "cannot be read");
    }
    return reading;
}

}  // namespace quillbat
