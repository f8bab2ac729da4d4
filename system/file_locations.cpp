#include "system/file_locations.h"

#include "system/file_system.h"

namespace quillbat {
namespace fs = std::filesystem;

namespace {

std::optional<fs::path> userConfigurationFolder(const ProgramSurroundings& surroundings) {
    if (surroundings.convention == FolderConvention::kWindows) {
        if (surroundings.appData) {
            return *surroundings.appData / "Quillbat";
        }
        return std::nullopt;
    }
    // A relative $XDG_CONFIG_HOME is invalid and must be ignored. (On Linux a path is absolute
    // when it starts at the root; this also holds for Linux paths looked at on Windows.)
    if (surroundings.xdgConfigHome && surroundings.xdgConfigHome->has_root_directory()) {
        return *surroundings.xdgConfigHome / "quillbat";
    }
    if (surroundings.home) {
        return *surroundings.home / ".config" / "quillbat";
    }
    return std::nullopt;
}

std::string defaultBoxscoreFolder(const ProgramSurroundings& surroundings) {
    if (surroundings.convention == FolderConvention::kWindows) {
        return "c:\\";
    }
    return surroundings.home ? pathToUtf8(*surroundings.home) : "/";
}

}  // namespace

FileLocations fileLocations(const ProgramSurroundings& surroundings,
                            const std::function<bool(const fs::path&)>& holdsPhraseFiles) {
    const fs::path& programFolder = surroundings.programFolder;
    const std::string startFolder = defaultBoxscoreFolder(surroundings);
    const bool besideProgram = holdsPhraseFiles(programFolder);
    if (surroundings.programFolderWritable && besideProgram) {
        return {programFolder, programFolder, programFolder, programFolder, startFolder};
    }
    const fs::path shipped = besideProgram
                                 ? programFolder
                                 : (programFolder / ".." / "share" / "quillbat").lexically_normal();
    const std::optional<fs::path> configuration = userConfigurationFolder(surroundings);
    if (!configuration) {
        return {programFolder, shipped, shipped, shipped, startFolder};
    }
    const fs::path userPhrases = *configuration / "phrases";
    return {*configuration, holdsPhraseFiles(userPhrases) ? userPhrases : shipped, userPhrases,
            shipped, startFolder};
}

ProgramSurroundings thisProgramsSurroundings() {
    ProgramSurroundings surroundings;
    surroundings.programFolder = programFolder();
    surroundings.programFolderWritable = canCreateFilesIn(surroundings.programFolder);
    surroundings.appData = environmentPath("APPDATA");
    surroundings.xdgConfigHome = environmentPath("XDG_CONFIG_HOME");
    surroundings.home = environmentPath("HOME");
    return surroundings;
}

}  // namespace quillbat
