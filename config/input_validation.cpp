#include "config/input_validation.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "texts/japanese.h"

namespace palvo {
namespace {

// Full-width forms an input method types, and the ASCII each stands for.
struct WidthPair {
    std::string_view wide;
    char narrow;
};
constexpr WidthPair kFullWidthForms[] = {
    {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'},
    {"６", '6'}, {"７", '7'}, {"８", '8'}, {"９", '9'}, {"＋", '+'}, {"－", '-'},
    {"−", '-'},  {"．", '.'}, {"Ｅ", 'E'}, {"ｅ", 'e'}, {"　", ' '},
};

std::string NarrowFullWidth(std::string_view text)
{
    std::string narrow;
    narrow.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        bool replaced = false;
        for (const WidthPair& pair : kFullWidthForms) {
            if (text.substr(position, pair.wide.size()) == pair.wide) {
                narrow.push_back(pair.narrow);
                position += pair.wide.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) narrow.push_back(text[position++]);
    }
    return narrow;
}

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}
bool IsBlank(char character)
{
    return character == ' ' || character == '\t';
}

// A number in the accepted form, ready for std::from_chars (which takes no '+').
struct NumberText {
    std::string digits;
    // Decimal exponent of the first significant digit; decides whether a value too large or
    // too small for its type overflowed or merely underflowed to zero.
    long long leadingExponent = 0;
    bool isZero = true;
};

std::optional<NumberText> ReadNumberText(std::string_view original)
{
    const std::string text = NarrowFullWidth(original);
    std::size_t position = 0;
    const std::size_t size = text.size();
    while (position < size && IsBlank(text[position])) ++position;

    NumberText number;
    if (position < size && (text[position] == '+' || text[position] == '-')) {
        if (text[position] == '-') number.digits.push_back('-');
        ++position;
    }
    std::size_t mantissaDigits = 0;
    long long digitsBeforePoint = 0;
    long long firstSignificant = -1;  // index among mantissa digits
    bool sawPoint = false;
    for (; position < size; ++position) {
        const char character = text[position];
        if (IsDigit(character)) {
            if (character != '0' && firstSignificant < 0)
                firstSignificant = static_cast<long long>(mantissaDigits);
            ++mantissaDigits;
            if (!sawPoint) ++digitsBeforePoint;
        } else if (character == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        number.digits.push_back(character);
    }
    if (mantissaDigits == 0) return std::nullopt;

    long long exponent = 0;
    if (position < size && (text[position] == 'E' || text[position] == 'e')) {
        number.digits.push_back('e');
        ++position;
        bool negative = false;
        if (position < size && (text[position] == '+' || text[position] == '-')) {
            negative = text[position] == '-';
            if (negative) number.digits.push_back('-');
            ++position;
        }
        std::size_t exponentDigits = 0;
        for (; position < size && IsDigit(text[position]); ++position, ++exponentDigits) {
            number.digits.push_back(text[position]);
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[position] - '0');
        }
        if (exponentDigits == 0) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    while (position < size && IsBlank(text[position])) ++position;
    if (position != size) return std::nullopt;

    number.isZero = firstSignificant < 0;
    if (!number.isZero) number.leadingExponent = exponent + digitsBeforePoint - firstSignificant - 1;
    return number;
}

// The number as a floating-point value of type T; nullopt when it is too large for T.
// A value too small for T becomes zero.
template <typename T>
std::optional<T> ToFloating(const NumberText& number)
{
    T value{};
    const char* first = number.digits.data();
    const char* last = first + number.digits.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (!number.isZero && number.leadingExponent > 0) return std::nullopt;
        return number.digits.front() == '-' ? -T{0} : T{0};
    }
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

double RoundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<double> ToInteger(const NumberText& number, double lowest, double highest)
{
    const auto value = ToFloating<double>(number);
    if (!value) return std::nullopt;
    const double rounded = RoundHalfToEven(*value);
    if (rounded < lowest || rounded > highest) return std::nullopt;
    return rounded + 0.0;  // no negative zero
}

// The value as the comparison sees it: its decimal text read back as a double (seven
// significant digits for single precision, fifteen for double, as the text form shows them).
double ThroughDecimalText(double value, int significantDigits)
{
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    double readBack = value;
    std::from_chars(buffer, written.ptr, readBack, std::chars_format::general);
    return readBack;
}

std::optional<double> ConvertForComparison(const NumberText& number, ValueType valueType)
{
    switch (valueType) {
        case ValueType::UnsignedByte:
            return ToInteger(number, 0.0, 255.0);
        case ValueType::Integer:
            return ToInteger(number, -32768.0, 32767.0);
        case ValueType::Long:
            return ToInteger(number, -2147483648.0, 2147483647.0);
        case ValueType::Single:
            if (const auto value = ToFloating<float>(number)) return ThroughDecimalText(*value, 7);
            return std::nullopt;
        case ValueType::Double:
            if (const auto value = ToFloating<double>(number)) return ThroughDecimalText(*value, 15);
            return std::nullopt;
    }
    return std::nullopt;
}

// A bound in plain decimal form: "1", "30", "0.5"; "*" for no bound.
std::string BoundText(std::optional<double> bound)
{
    if (!bound) return "*";
    if (*bound == 0.0) return "0";
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, *bound, std::chars_format::fixed);
    if (written.ec != std::errc()) return "?";
    return std::string(buffer, written.ptr);
}

}  // namespace

std::optional<std::string> CheckInputValue(std::string_view text, ValueType valueType, std::string_view label,
                                           std::optional<double> lower, std::optional<double> upper)
{
    const auto refusal = [label](std::string_view reason) { return std::string(label).append(reason); };
    if (text.empty()) {
        return refusal(texts::kBlankValue);
    }
    const std::optional<NumberText> number = ReadNumberText(text);
    if (!number) {
        return refusal(texts::kNotANumber);
    }
    const std::optional<double> value = ConvertForComparison(*number, valueType);
    if (!value) {
        return refusal(texts::kValueDoesNotFit);
    }
    const bool belowLower = lower && *value < ThroughDecimalText(*lower, 15);
    const bool aboveUpper = upper && *value > ThroughDecimalText(*upper, 15);
    if (belowLower || aboveUpper) {
        return refusal(texts::kOutOfRange)
            .append(BoundText(lower))
            .append(texts::kRangeSeparator)
            .append(BoundText(upper));
    }
    return std::nullopt;
}

std::optional<std::int16_t> InputTextToInt16(std::string_view text)
{
    const std::optional<NumberText> number = ReadNumberText(text);
    if (!number) return std::nullopt;
    const std::optional<double> value = ToInteger(*number, -32768.0, 32767.0);
    if (!value) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

}  // namespace palvo
