#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace palvo {
namespace {

using namespace std::string_literals;

TEST(TextEncoding, ConvertsBothWays)
{
    const struct {
        std::string utf8;
        std::string cp932;
    } cases[] = {
        {"", ""},
        {"C:\\bg\\bg01.jpg", "C:\\bg\\bg01.jpg"},
        {"背景", "\x94\x77\x8C\x69"},
        {"表示", "\x95\x5C\x8E\xA6"},  // second byte of 表 is '\'
        {"～", "\x81\x60"},            // full-width tilde, as Windows maps it
        {"ｱｲｳ", "\xB1\xB2\xB3"},       // half-width katakana are single bytes
        {"ユートピア - Windows の終了.WAV",
         "\x83\x86\x81\x5B\x83\x67\x83\x73\x83\x41 - Windows \x82\xCC\x8F\x49\x97\xB9.WAV"},
        {"a\0b"s, "a\0b"s},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Utf8ToCp932(test.utf8), test.cp932) << test.utf8;
        EXPECT_EQ(Cp932ToUtf8(test.cp932), test.utf8) << test.utf8;
    }
}

TEST(TextEncoding, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    const struct {
        std::string utf8;
        std::string cp932;
    } cases[] = {
        {"한", "?"},           {"a😀b", "a?b"}, {"背😀景", "\x94\x77?\x8C\x69"},
        {"\xFF", "?"},          // not UTF-8 at all
        {"a\xE3\x81", "a?"},    // cut-off sequence at the end
        {"\xE3\x81z", "?z"},    // cut-off sequence in the middle
        {"\xC0\xAF", "??"},     // overlong form
        {"\xED\xA0\x80", "?"},  // an encoded surrogate is one broken character
    };
    for (const auto& test : cases) EXPECT_EQ(Utf8ToCp932(test.utf8), test.cp932) << test.utf8;
}

TEST(TextEncoding, InvalidBytesBecomeReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    const struct {
        std::string cp932;
        std::string utf8;
    } cases[] = {
        {"\x81", replacement},                  // lead byte at the end
        {"a\x81 b", "a" + replacement + " b"},  // lead byte without a second byte
        {"\xFF", replacement},
        {"\x94\x77\xFF\x8C\x69", "背" + replacement + "景"},
    };
    for (const auto& test : cases) EXPECT_EQ(Cp932ToUtf8(test.cp932), test.utf8);
}

TEST(TextEncoding, RandomBytesNeverBreakEitherDirection)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(round * 37), '\0');
        for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
        const std::string utf8 = Cp932ToUtf8(bytes);
        // Whatever came out is text that goes back to code page 932 and stays the same after.
        const std::string again = Utf8ToCp932(utf8);
        EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(again)), again);
        EXPECT_FALSE(Utf8ToCp932(bytes).empty() && !bytes.empty());
    }
}

}  // namespace
}  // namespace palvo
