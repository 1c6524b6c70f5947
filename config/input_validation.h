#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvo {

// The numeric type a typed text must convert to.
enum class ValueType {
    UnsignedByte = 0,  // 0 to 255
    Integer = 1,       // 16-bit signed
    Long = 2,          // 32-bit signed
    Single = 3,        // 32-bit floating point
    Double = 4,        // 64-bit floating point
};

// Numbers are read without regard to the user's locale: optional blanks, an optional sign,
// decimal digits with at most one '.', an optional exponent (E or e, optional sign, digits),
// optional blanks. Full-width digits, signs, '.', 'Ｅ' and the ideographic space, as a Japanese
// input method types them, count as their ASCII forms. Anything else (digit-group commas,
// currency signs, "0x", "Inf", "NaN") is not a number. Integer types round half to even.

// Checks that `text` is a number of `valueType` within the optional bounds. Returns nullopt when
// it is; otherwise the refusal to show: `label` followed by the reason: " 設定値が空白です。"
// (empty text), " 数値を入力してください。" (not a number), " 設定値が不正です。  (許容範囲エラー)"
// (does not fit the type), or " 設定範囲を超えています。   range : " lower "～" upper (outside a
// bound; a missing bound shows as "*").
[[nodiscard]] std::optional<std::string> CheckInputValue(std::string_view text, ValueType valueType,
                                                         std::string_view label, std::optional<double> lower,
                                                         std::optional<double> upper);

// The text converted to a 16-bit integer, rounding half to even ("72.5" gives 72), or nullopt
// when it is not a number or does not fit.
std::optional<std::int16_t> InputTextToInt16(std::string_view text);

}  // namespace palvo
