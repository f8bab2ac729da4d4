#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "article/phrase_source.h"

namespace quillbat::fuzzing {

// The phrase files of the catalog, read from `folder` and parsed once at construction:
// the fuzz targets write many articles a second and the files do not change meanwhile.
// The constructor throws InputError when a file is missing or malformed; load() throws it
// for a name outside the catalog.
class ShippedPhrases final : public PhraseSource {
  public:
    explicit ShippedPhrases(const std::filesystem::path& folder);
    const PhraseFile& load(std::string_view fileName) override;

  private:
    std::map<std::string, PhraseFile, std::less<>> files_;
};

}  // namespace quillbat::fuzzing
