#include "core/phrase_file_cache.h"

#include <utility>

#include "article/phrase_file.h"

namespace quillbat {

namespace fs = std::filesystem;

const PhraseFile& PhraseFileCache::load(const fs::path& path, const std::string& displayName) {
    // Taken before the file is looked at, so that an edit made after the reading below carries
    // a later time than this.
    const fs::file_time_type now = env_.now();
    const std::optional<fs::file_time_type> modified = env_.modifiedTime(path);

    auto found = entries_.find(path);
    if (modified && found != entries_.end() && found->second.modified == modified &&
        *modified < found->second.readAt - kSameTickMargin) {
        return found->second.parsed;
    }
    try {
        std::string bytes = env_.readFile(path, displayName);
        if (found != entries_.end() && found->second.bytes == bytes) {
            found->second.modified = modified;
            found->second.readAt = now;
            return found->second.parsed;
        }
        Entry entry;
        entry.parsed = parsePhraseFile(bytes, displayName);
        entry.bytes = std::move(bytes);
        entry.modified = modified;
        entry.readAt = now;
        return entries_.insert_or_assign(path, std::move(entry)).first->second.parsed;
    } catch (...) {
        entries_.erase(path);
        throw;
    }
}

}  // namespace quillbat
