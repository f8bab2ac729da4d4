#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Where the program keeps its settings and finds its phrase files. A copy that may write into
// its own folder (a build folder, an unzipped copy) keeps everything beside itself; an installed
// one keeps the settings in the user's configuration folder and reads the phrase files from the
// user's phrase folder when it holds them, else the ones installed with the program.
namespace quillbat {

// The system whose rules for user folders and installed files apply.
enum class FolderConvention { kLinux, kWindows };

#ifdef _WIN32
inline constexpr FolderConvention kThisSystemsConvention = FolderConvention::kWindows;
#else
inline constexpr FolderConvention kThisSystemsConvention = FolderConvention::kLinux;
#endif

// What the decision depends on, found out once when a program starts.
struct ProgramSurroundings {
    FolderConvention convention = kThisSystemsConvention;
    std::filesystem::path programFolder;  // the folder of the executable
    bool programFolderWritable = false;   // this user may create files in it
    // The environment's values, nothing when unset or empty.
    std::optional<std::filesystem::path> appData;        // %APPDATA% (Windows)
    std::optional<std::filesystem::path> xdgConfigHome;  // $XDG_CONFIG_HOME (Linux)
    std::optional<std::filesystem::path> home;           // $HOME (Linux)
};

struct FileLocations {
    std::filesystem::path settingsFolder;       // team.dat and path.dat; may not exist yet
    std::filesystem::path phraseFolder;         // the phrase files the articles are written from
    std::filesystem::path userPhraseFolder;     // where the user edits them; may not exist yet
    std::filesystem::path shippedPhraseFolder;  // the ones that came with the program
    // The folder the Open dialog starts in when none is remembered (UTF-8).
    std::string defaultBoxscoreFolder;
    bool operator==(const FileLocations&) const = default;
};

// The locations for a program in these surroundings. A program whose folder can be written
// and holds the phrase files (a build folder, an unzipped copy) keeps all its files beside
// itself. Otherwise the shipped phrase files lie beside the program when its folder holds them
// (Windows), else in ../share/quillbat from its folder (Linux); the settings lie in the user's
// configuration folder, %APPDATA%\Quillbat (Windows) or $XDG_CONFIG_HOME/quillbat, else
// $HOME/.config/quillbat (Linux; a relative $XDG_CONFIG_HOME is ignored); the user's phrase
// folder is its "phrases" folder, and the phrase files are read from it when it holds them,
// else from the shipped ones. Without the environment values that name a configuration
// folder the settings stay in the program folder (where their writes may fail with a message) and
// the shipped phrase files are used. The Open dialog starts in "c:\" on Windows and in the
// user's home folder on Linux ("/" without one). holdsPhraseFiles tells whether a folder
// holds phrase files.
FileLocations fileLocations(
    const ProgramSurroundings& surroundings,
    const std::function<bool(const std::filesystem::path&)>& holdsPhraseFiles);

// The surroundings of the running program: its folder, a probe of whether it can be written
// (which creates and removes a file there) and the environment.
ProgramSurroundings thisProgramsSurroundings();

}  // namespace quillbat
