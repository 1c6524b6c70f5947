// CheckInputValue on any typed text, type and bounds: a refusal always names the label,
// and a passing text converts within its bounds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "config/input_validation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3) return 0;
    const auto type = static_cast<palvo::ValueType>(data[0] % 5);
    // Small signed bounds, or none.
    const std::optional<double> lower =
        (data[1] & 1) != 0 ? std::optional<double>(static_cast<std::int8_t>(data[1]) * 100.0) : std::nullopt;
    const std::optional<double> upper =
        (data[2] & 1) != 0 ? std::optional<double>(static_cast<std::int8_t>(data[2]) * 100.0) : std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    const std::optional<std::string> refusal =
        palvo::CheckInputValue(text, type, "数字 最大値", lower, upper);
    const bool passed = !refusal;
    if (refusal && refusal->rfind("数字 最大値 ", 0) != 0) std::abort();

    if (const auto number = palvo::InputTextToInt16(text)) {
        if (palvo::CheckInputValue(text, palvo::ValueType::Integer, "x", std::nullopt, std::nullopt)) {
            std::abort();
        }
        if (lower && upper && passed && type == palvo::ValueType::Integer &&
            (*number < *lower || *number > *upper)) {
            std::abort();
        }
    }
    return 0;
}
