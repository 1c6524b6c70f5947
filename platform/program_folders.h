#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palvo {

// What the platform layer finds around the executable at start-up.
struct ProgramFolderFacts {
    std::filesystem::path programDirectory;           // the executable's folder
    bool dataBesideProgram = false;                   // the shipped folders (bars/, bg/, ...) sit beside it
    bool dataInstalled = false;                       // InstalledDataDirectory(programDirectory) holds them
    bool programDirectoryWritable = false;            // the running user may create files there
    bool settingsBesideProgram = false;               // palvo.ini already exists beside the executable
    std::optional<std::filesystem::path> configHome;  // $XDG_CONFIG_HOME, when set
    std::optional<std::filesystem::path> home;        // $HOME, when set
};

// Where an installed program's shipped files are: ../share/palvo from the executable's folder.
[[nodiscard]] std::filesystem::path InstalledDataDirectory(const std::filesystem::path& programDirectory);

// The folder of the shipped pictures, bars, buttons and sound: beside the program when they are
// there (the portable folder), else the installed one, else beside the program again, so that the
// warnings about missing files name the folder the program runs from.
[[nodiscard]] std::filesystem::path ChooseDataDirectory(const ProgramFolderFacts& facts);

// The folder of palvo.ini: beside the program when it already holds palvo.ini, or when it is a
// writable portable folder; otherwise $XDG_CONFIG_HOME/palvo, or ~/.config/palvo when that is
// unset or not absolute. An installed program (shipped files only under ../share/palvo) never
// writes beside itself, even for a user who could. With neither variable usable, the program's
// folder is all there is.
[[nodiscard]] std::filesystem::path ChooseSettingsDirectory(const ProgramFolderFacts& facts);

// The longest program folder the program runs from: its files below it (a name of up to 255
// bytes and a separator) must stay within the system's 4,096 bytes for a path.
inline constexpr std::size_t kLongestProgramFolderBytes = 4095 - 256;

// What is wrong with the program folder, in the operator's words (Japanese), or nullopt when the
// program can run from it. `directoryBytes` is the folder as the system names it, or nullopt when
// the system could not name it (longer than it allows). Paths travel as UTF-8 text, so a name
// that is no UTF-8 cannot be reached, and every file of a folder too deep cannot be opened.
[[nodiscard]] std::optional<std::string> ProgramFolderProblem(
    const std::optional<std::string>& directoryBytes);

}  // namespace palvo
