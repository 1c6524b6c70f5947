#include "platform/program_folders.h"

namespace palvo {

namespace {

// XDG_CONFIG_HOME counts only when set to an absolute path; desktops treat anything else as unset.
bool Usable(const std::optional<std::filesystem::path>& folder)
{
    return folder && folder->is_absolute();
}

bool InstalledOnly(const ProgramFolderFacts& facts)
{
    return facts.dataInstalled && !facts.dataBesideProgram;
}

}  // namespace

std::filesystem::path InstalledDataDirectory(const std::filesystem::path& programDirectory)
{
    return (programDirectory / ".." / "share" / "palvo").lexically_normal();
}

std::filesystem::path ChooseDataDirectory(const ProgramFolderFacts& facts)
{
    return InstalledOnly(facts) ? InstalledDataDirectory(facts.programDirectory) : facts.programDirectory;
}

std::filesystem::path ChooseSettingsDirectory(const ProgramFolderFacts& facts)
{
    if (facts.settingsBesideProgram || (facts.programDirectoryWritable && !InstalledOnly(facts))) {
        return facts.programDirectory;
    }
    if (Usable(facts.configHome)) {
        return *facts.configHome / "palvo";
    }
    if (Usable(facts.home)) {
        return *facts.home / ".config" / "palvo";
    }
    return facts.programDirectory;
}

}  // namespace palvo
