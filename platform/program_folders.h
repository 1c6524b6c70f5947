#pragma once

#include <filesystem>
#include <optional>

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

}  // namespace palvo
