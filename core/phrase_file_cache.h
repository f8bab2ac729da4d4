#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "article/phrase_source.h"
#include "system/env.h"

namespace quillbat {

// Parsed phrase files by path, so that a run writing many articles parses each file once and
// still sees every edit at the very next phrase drawn from the file.
//
// A file is re-read when its modification time differs from when it was read. The time is only
// trusted once it lies kSameTickMargin before the moment the file was read: a file system stamps
// times in ticks (2 s on FAT, a few milliseconds on Linux), and an edit within the tick of the
// previous one keeps its time. Until then every load reads the file and compares its bytes with
// the cached ones, parsing again only when they differ. Past the margin, any later edit carries
// a later time, so the size adds nothing and is not looked at: each look costs a call to the
// file system, and a batch makes one per phrase. Only a time set back by hand to the very value
// it had (a copy that keeps times, of another version saved in the same tick) goes unseen.
class PhraseFileCache {
  public:
    static constexpr std::chrono::seconds kSameTickMargin{3};

    // A cache that reads the files, their modification times and the time through env.
    explicit PhraseFileCache(Env& env) : env_(env) {}

    // The parsed phrase file at path, its errors naming displayName. Throws InputError when it
    // cannot be read or is malformed; the path's cached file is dropped then, so the next load
    // reads it again. The reference stays valid until the next load of the same path.
    const PhraseFile& load(const std::filesystem::path& path, const std::string& displayName);

  private:
    struct Entry {
        std::optional<std::filesystem::file_time_type> modified;
        std::filesystem::file_time_type readAt;
        std::string bytes;
        PhraseFile parsed;
    };

    Env& env_;
    std::map<std::filesystem::path, Entry> entries_;
};

}  // namespace quillbat
