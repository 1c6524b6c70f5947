#include "config/config_store.h"

#include <string>
#include <vector>

#include "config/ini_routines.h"

namespace palvo {
namespace {

constexpr std::string_view kSection = "PALVO";

constexpr std::int32_t kDefaultNumColor = 0x000080FF;  // 33023, orange
constexpr std::int16_t kDefaultNumSizeIndex = 2;
constexpr std::int16_t kDefaultNumPosIndex = 4;
constexpr std::int16_t kDefaultNumMax = 72;
constexpr std::int16_t kDefaultRhythmFast = 20;
constexpr std::int16_t kDefaultRhythmSlow = 3;

// The key's value narrowed to 16 bits, or `defaultValue` when it does not fit 16 bits or lies
// outside [lowest, highest], the values the rest of the program can work with.
std::int16_t ReadSmallInteger(std::string_view key, const std::string& file, std::int16_t defaultValue,
                              std::int32_t lowest, std::int32_t highest)
{
    const std::int32_t value = ReadIniInt(kSection, key, file, defaultValue);
    if (value < lowest || value > highest) return defaultValue;
    return static_cast<std::int16_t>(value);
}

}  // namespace

IniFileState CConfig::ReadConfig()
{
    const std::string& file = iniFilePath_;
    const IniFileState state = IniFileStateOf(file);
    backGroundImageFile_ = ReadIniString(kSection, "BackGroundImageFile", file, defaultBackGroundImageFile_);

    const std::int32_t color = ReadIniInt(kSection, "NumColor", file, kDefaultNumColor);
    numColor_ = (color >= 0 && color <= 0x00FFFFFF) ? color : kDefaultNumColor;

    numSizeIndex_ = ReadSmallInteger("NumSizeIndex", file, kDefaultNumSizeIndex, 0, 2);
    numPosIndex_ = ReadSmallInteger("NumPosIndex", file, kDefaultNumPosIndex, 0, 4);
    if (numPosIndex_ == kUnusablePosIndex) numPosIndex_ = kDefaultNumPosIndex;
    numMax_ = ReadSmallInteger("NumMax", file, kDefaultNumMax, 1, kHighestNumMax);
    rhythmFast_ = ReadSmallInteger("RhythmFast", file, kDefaultRhythmFast, 5, 30);
    // The slowed steps are the last ones of the rolling phase, so there must be fewer of them.
    rhythmSlow_ = ReadSmallInteger("RhythmSlow", file, kDefaultRhythmSlow, 1, 10);
    if (rhythmSlow_ >= rhythmFast_) rhythmSlow_ = kDefaultRhythmSlow;
    return state;
}

bool CConfig::WriteConfig() const
{
    // One replacement for all seven keys: the file holds either the old settings or the new ones.
    // A path the file cannot hold would come back as another path; an empty value reads as the
    // default picture instead (the one path that can be out of reach: a program folder named
    // outside code page 932, or very deep).
    const std::vector<IniEntry> entries = {
        {"BackGroundImageFile", FitsIniText(backGroundImageFile_) ? backGroundImageFile_ : std::string()},
        {"NumColor", std::to_string(numColor_)},
        {"NumSizeIndex", std::to_string(numSizeIndex_)},
        {"NumPosIndex", std::to_string(numPosIndex_)},
        {"NumMax", std::to_string(numMax_)},
        {"RhythmFast", std::to_string(rhythmFast_)},
        {"RhythmSlow", std::to_string(rhythmSlow_)},
    };
    return WriteIniValues(kSection, entries, iniFilePath_);
}

}  // namespace palvo
