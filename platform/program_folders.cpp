#include "platform/program_folders.h"

#include "texts/fill_in.h"
#include "texts/japanese.h"

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

// Well-formed UTF-8: no stray or missing continuation byte, no overlong form, no surrogate, nothing
// above U+10FFFF.
bool IsUtf8(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        unsigned int low = 0x80;
        unsigned int high = 0xBF;
        if (lead < 0x80) {
            ++at;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (text.size() - at < length) {
            return false;
        }
        for (std::size_t index = 1; index < length; ++index) {
            const auto next = static_cast<unsigned char>(text[at + index]);
            if (next < (index == 1 ? low : 0x80) || next > (index == 1 ? high : 0xBF)) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

// The folder's name for the operator: bytes that are no UTF-8 shown as "?".
std::string Printable(std::string_view bytes)
{
    std::string shown;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t length = 1;
        while (length <= 4 && at + length <= bytes.size() && !IsUtf8(bytes.substr(at, length))) {
            ++length;
        }
        if (length > 4 || at + length > bytes.size()) {
            shown += '?';
            ++at;
        } else {
            shown += bytes.substr(at, length);
            at += length;
        }
    }
    return shown;
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

std::optional<std::string> ProgramFolderProblem(const std::optional<std::string>& directoryBytes)
{
    const std::string limit = std::to_string(kLongestProgramFolderBytes);
    if (!directoryBytes || directoryBytes->size() > kLongestProgramFolderBytes) {
        const std::string shown = directoryBytes ? texts::FillIn(texts::kProgramFolderShown,
                                                                 {Printable(directoryBytes->substr(0, 200)),
                                                                  std::to_string(directoryBytes->size())})
                                                 : std::string();
        return texts::FillIn(texts::kProgramFolderTooLong, {limit, shown});
    }
    if (!IsUtf8(*directoryBytes)) {
        return texts::FillIn(texts::kProgramFolderUnreadable, {Printable(*directoryBytes)});
    }
    return std::nullopt;
}

}  // namespace palvo
