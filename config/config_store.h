#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/ini_file.h"
#include "platform/paths.h"

namespace palvo {

// The seven user settings and their INI file. A plain value: properties store and return
// exactly what they are given; only ReadConfig corrects stored values the program cannot use.
class CConfig {
public:
    // The highest number a game may have: two digit places on the display.
    static constexpr std::int16_t kHighestNumMax = 99;
    // Position 3 (lower right) has no place on the display and no option in the dialog.
    static constexpr std::int16_t kUnusablePosIndex = 3;

    // settingsDirectory holds palvo.ini, dataDirectory the shipped files; both without a trailing
    // separator. Until ReadConfig runs, the texts are empty and the numbers 0.
    CConfig(const std::string& settingsDirectory, const std::string& dataDirectory)
        : iniFilePath_(Utf8PathIn(settingsDirectory, "palvo.ini")),
          defaultBackGroundImageFile_(Utf8PathIn(dataDirectory, "bg/bg01.jpg"))
    {
    }
    // A portable folder holding both.
    explicit CConfig(const std::string& programDirectory) : CConfig(programDirectory, programDirectory) {}

    const std::string& BackGroundImageFile() const { return backGroundImageFile_; }
    void SetBackGroundImageFile(std::string value) { backGroundImageFile_ = std::move(value); }
    std::int32_t NumColor() const { return numColor_; }
    void SetNumColor(std::int32_t value) { numColor_ = value; }
    std::int16_t NumSizeIndex() const { return numSizeIndex_; }
    void SetNumSizeIndex(std::int16_t value) { numSizeIndex_ = value; }
    std::int16_t NumPosIndex() const { return numPosIndex_; }
    void SetNumPosIndex(std::int16_t value) { numPosIndex_ = value; }
    std::int16_t NumMax() const { return numMax_; }
    void SetNumMax(std::int16_t value) { numMax_ = value; }
    std::int16_t RhythmFast() const { return rhythmFast_; }
    void SetRhythmFast(std::int16_t value) { rhythmFast_ = value; }
    std::int16_t RhythmSlow() const { return rhythmSlow_; }
    void SetRhythmSlow(std::int16_t value) { rhythmSlow_ = value; }

    const std::string& IniFilePath() const { return iniFilePath_; }
    // The background used when the file names none: the shipped "bg/bg01.jpg".
    const std::string& DefaultBackGroundImageFile() const { return defaultBackGroundImageFile_; }

    // Loads all seven settings from the INI file, in key order. Missing file, section, key or
    // empty value gives the key's default; a value the program cannot use (out of 16 bits, or
    // outside what the settings dialog can produce) also gives the default. Returns what was
    // found at the file's path (TooLarge, Unreadable: every setting has its default).
    IniFileState ReadConfig();

    // Writes all seven settings to the INI file in one crash-safe replacement. Returns false
    // when the file could not be written; the in-memory values stay as they are.
    [[nodiscard]] bool WriteConfig() const;

private:
    std::string backGroundImageFile_;
    std::int32_t numColor_ = 0;
    std::int16_t numSizeIndex_ = 0;
    std::int16_t numPosIndex_ = 0;
    std::int16_t numMax_ = 0;
    std::int16_t rhythmFast_ = 0;
    std::int16_t rhythmSlow_ = 0;
    std::string iniFilePath_;
    std::string defaultBackGroundImageFile_;
};

}  // namespace palvo
