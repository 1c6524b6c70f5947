#include "config/input_validation.h"

#include <gtest/gtest.h>

namespace palvo {
namespace {

const std::string kLabel = "数字 最大値";
const std::string kBlank = kLabel + " 設定値が空白です。";
const std::string kNotNumber = kLabel + " 数値を入力してください。";
const std::string kConversion = kLabel + " 設定値が不正です。  (許容範囲エラー)";

std::string Range(const std::string& lower, const std::string& upper)
{
    return kLabel + " 設定範囲を超えています。   range : " + lower + "～" + upper;
}

struct CheckCase {
    std::string text;
    ValueType type;
    std::optional<double> lower;
    std::optional<double> upper;
    std::string expectedMessage;  // empty: the text passes
};

TEST(InputValidation, ChecksInOrderAndComposesTheMessage)
{
    const auto none = std::nullopt;
    const CheckCase cases[] = {
        // The settings dialog's call: 16-bit, at least 1.
        {"", ValueType::Integer, 1, none, kBlank},
        {" ", ValueType::Integer, 1, none, kNotNumber},
        {"abc", ValueType::Integer, 1, none, kNotNumber},
        {"0", ValueType::Integer, 1, none, Range("1", "*")},
        {"40000", ValueType::Integer, 1, none, kConversion},
        {"-40000", ValueType::Integer, 1, none, kConversion},
        {"0.6", ValueType::Integer, 1, none, ""},
        {"0.5", ValueType::Integer, 1, none, Range("1", "*")},
        {"1", ValueType::Integer, 1, none, ""},
        {"32767", ValueType::Integer, 1, none, ""},
        {"32767.5", ValueType::Integer, 1, none, kConversion},  // rounds to 32768
        {"32766.5", ValueType::Integer, 1, none, ""},           // rounds to 32766
        {"  72  ", ValueType::Integer, 1, none, ""},
        {"\t72", ValueType::Integer, 1, none, ""},
        // Bounds.
        {"11", ValueType::Integer, none, 10, Range("*", "10")},
        {"11", ValueType::Integer, 1, 10, Range("1", "10")},
        {"0", ValueType::Integer, 1, 10, Range("1", "10")},
        {"10", ValueType::Integer, 1, 10, ""},
        {"10.4", ValueType::Integer, 1, 10, ""},
        {"10.4", ValueType::Double, 1, 10, Range("1", "10")},
        {"0.25", ValueType::Double, 0.5, 1.5, Range("0.5", "1.5")},
        {"-3", ValueType::Long, -2.5, none, Range("-2.5", "*")},
        {"5", ValueType::Integer, none, none, ""},
        // Type ranges.
        {"-1", ValueType::UnsignedByte, none, none, kConversion},
        {"256", ValueType::UnsignedByte, none, none, kConversion},
        {"255", ValueType::UnsignedByte, none, none, ""},
        {"-0.4", ValueType::UnsignedByte, none, none, ""},
        {"2147483647", ValueType::Long, none, none, ""},
        {"2147483648", ValueType::Long, none, none, kConversion},
        {"-2147483648", ValueType::Long, none, none, ""},
        {"1e39", ValueType::Single, none, none, kConversion},
        {"1e38", ValueType::Single, none, none, ""},
        {"1e308", ValueType::Double, none, none, ""},
        {"1e309", ValueType::Double, none, none, kConversion},
        {"1e-400", ValueType::Double, 0, none, ""},
        {"1e-400", ValueType::Double, 1e-300, none, Range("0." + std::string(299, '0') + "1", "*")},
        {"12345678901234567890123456789012345678901234567890", ValueType::Long, none, none, kConversion},
        {"12345678901234567890123456789012345678901234567890", ValueType::Double, none, none, ""},
        // Single precision compares through its seven-digit text: 0.1f equals the bound 0.1.
        {"0.1", ValueType::Single, none, 0.1, ""},
        {"0.1", ValueType::Single, 0.1, none, ""},
        // Number forms.
        {"+5", ValueType::Integer, none, none, ""},
        {"-5", ValueType::Integer, 1, none, Range("1", "*")},
        {"5.", ValueType::Integer, none, none, ""},
        {".5", ValueType::Integer, 1, none, Range("1", "*")},
        {"2.5E1", ValueType::Integer, none, 24, Range("*", "24")},  // 25
        {"3e+1", ValueType::Integer, none, 30, ""},
        {"3e-1", ValueType::Integer, 1, none, Range("1", "*")},
        {"７２", ValueType::Integer, 1, 99, ""},
        {"　７２．４", ValueType::Integer, 1, 72, ""},
        {"－１", ValueType::Integer, 0, none, Range("0", "*")},
        {".", ValueType::Integer, none, none, kNotNumber},
        {"-", ValueType::Integer, none, none, kNotNumber},
        {"1.2.3", ValueType::Integer, none, none, kNotNumber},
        {"1e", ValueType::Integer, none, none, kNotNumber},
        {"e5", ValueType::Integer, none, none, kNotNumber},
        {"1,000", ValueType::Integer, none, none, kNotNumber},
        {"0x10", ValueType::Integer, none, none, kNotNumber},
        {"inf", ValueType::Double, none, none, kNotNumber},
        {"nan", ValueType::Double, none, none, kNotNumber},
        {"- 5", ValueType::Integer, none, none, kNotNumber},
        {"5 5", ValueType::Integer, none, none, kNotNumber},
        {"￥5", ValueType::Integer, none, none, kNotNumber},
        {std::string("5\0", 2), ValueType::Integer, none, none, kNotNumber},
    };
    for (const CheckCase& test : cases) {
        const std::optional<std::string> refusal =
            CheckInputValue(test.text, test.type, kLabel, test.lower, test.upper);
        EXPECT_EQ(!refusal, test.expectedMessage.empty()) << test.text;
        EXPECT_EQ(refusal.value_or(""), test.expectedMessage) << test.text;
    }
}

TEST(InputValidation, RoundsHalvesToTheEvenNeighbour)
{
    const struct {
        const char* text;
        std::optional<std::int16_t> expected;
    } cases[] = {
        {"72", 72},
        {"72.5", 72},
        {"73.5", 74},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"-3.5", -4},
        {"0.5", 0},
        {"-0.5", 0},
        {"72.50001", 73},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"-32768.5", -32768},
        {"-32769", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& test : cases) EXPECT_EQ(InputTextToInt16(test.text), test.expected) << test.text;
}

}  // namespace
}  // namespace palvo
