#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvo {

// The printed code of a card, "KT7QX-0137": the set character, three tag characters that only
// this installation's key produces, a check character, then the serial in four decimal digits.
// The letters leave out those that read like digits (B G I L O S Z), so a code read aloud or
// typed from paper has one spelling.
struct CardCode {
    static constexpr std::string_view kAlphabet = "ACDEFHJKMNPQRTUVWXY0123456789";
    static constexpr int kRadix = 29;  // prime: the check character sees every swap
    static constexpr int kSets = kRadix;
    static constexpr int kTags = kRadix * kRadix * kRadix;
    static constexpr int kSerials = 10000;

    std::uint8_t set = 0;      // 0 ... kSets - 1
    std::uint16_t tag = 0;     // 0 ... kTags - 1
    std::uint16_t serial = 0;  // 0 ... kSerials - 1

    friend bool operator==(const CardCode&, const CardCode&) = default;
};

// The code as printed, with its check character. Precondition: every field in its range.
std::string CardCodeText(const CardCode& code);

// The code a person typed: lower case, spaces, a missing or extra hyphen, full-width characters
// and letters that read like digits (O for 0, I or L for 1 ...) are accepted. nullopt when it is
// not nine characters of the right kinds or its check character disagrees (one wrong character
// or two swapped characters always do).
[[nodiscard]] std::optional<CardCode> ParseCardCode(std::string_view typed);

}  // namespace palvo
