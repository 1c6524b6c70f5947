#include "cards/card_code.h"

#include <array>
#include <vector>

namespace palvo {

namespace {

constexpr int kCharacters = 9;  // set, three tag, check, four serial digits
constexpr int kCheckPosition = 4;

int ValueOf(char character)
{
    const std::size_t at = CardCode::kAlphabet.find(character);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Every position weighs differently (1 ... 9, all below the prime radix), so a sum of weighted
// values that must be 0 modulo 29 changes under any one substitution and any swap of two
// different characters.
int WeightedSum(const std::array<int, kCharacters>& values)
{
    int sum = 0;
    for (int i = 0; i < kCharacters; ++i) {
        sum += (i + 1) * values[static_cast<std::size_t>(i)];
    }
    return sum % CardCode::kRadix;
}

int InverseModRadix(int value)
{
    for (int candidate = 1; candidate < CardCode::kRadix; ++candidate) {
        if (value * candidate % CardCode::kRadix == 1) {
            return candidate;
        }
    }
    return 0;
}

// One typed character as the code alphabet spells it; '\0' for one that is skipped (a space, a
// hyphen), '?' for one the code cannot hold. Full-width forms arrive as three UTF-8 bytes.
std::vector<char> Normalise(std::string_view typed)
{
    std::vector<char> characters;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        auto byte = static_cast<unsigned char>(typed[i]);
        unsigned codePoint = byte;
        if (byte == 0xE3 && i + 2 < typed.size() && static_cast<unsigned char>(typed[i + 1]) == 0x80 &&
            static_cast<unsigned char>(typed[i + 2]) == 0x80) {
            i += 2;
            continue;  // the ideographic space
        }
        if (byte == 0xEF && i + 2 < typed.size()) {
            // U+FF01 ... U+FF5E, the full-width forms of '!' ... '~'.
            const unsigned full = ((byte & 0x0Fu) << 12) |
                                  ((static_cast<unsigned char>(typed[i + 1]) & 0x3Fu) << 6) |
                                  (static_cast<unsigned char>(typed[i + 2]) & 0x3Fu);
            if (full >= 0xFF01 && full <= 0xFF5E) {
                codePoint = full - 0xFF01 + 0x21;
                i += 2;
            }
        }
        char character = codePoint < 0x80 ? static_cast<char>(codePoint) : '?';
        if (character >= 'a' && character <= 'z') {
            character = static_cast<char>(character - 'a' + 'A');
        }
        switch (character) {
            case ' ':
            case '\t':
            case '-':
                continue;
            case 'O':
                character = '0';
                break;
            case 'I':
            case 'L':
                character = '1';
                break;
            case 'Z':
                character = '2';
                break;
            case 'S':
                character = '5';
                break;
            case 'G':
                character = '6';
                break;
            case 'B':
                character = '8';
                break;
            default:
                break;
        }
        characters.push_back(character);
    }
    return characters;
}

}  // namespace

std::string CardCodeText(const CardCode& code)
{
    std::array<int, kCharacters> values{};
    values[0] = code.set;
    values[1] = code.tag / (CardCode::kRadix * CardCode::kRadix);
    values[2] = code.tag / CardCode::kRadix % CardCode::kRadix;
    values[3] = code.tag % CardCode::kRadix;
    int serial = code.serial;
    for (int i = kCharacters - 1; i > kCheckPosition; --i) {
        values[static_cast<std::size_t>(i)] = ValueOf(static_cast<char>('0' + serial % 10));
        serial /= 10;
    }
    const int rest = WeightedSum(values);
    values[kCheckPosition] =
        (CardCode::kRadix - rest) % CardCode::kRadix * InverseModRadix(kCheckPosition + 1) % CardCode::kRadix;
    std::string text;
    for (int i = 0; i < kCharacters; ++i) {
        if (i == kCheckPosition + 1) {
            text += '-';
        }
        text += CardCode::kAlphabet[static_cast<std::size_t>(values[static_cast<std::size_t>(i)])];
    }
    return text;
}

std::optional<CardCode> ParseCardCode(std::string_view typed)
{
    const std::vector<char> characters = Normalise(typed);
    if (characters.size() != kCharacters) {
        return std::nullopt;
    }
    std::array<int, kCharacters> values{};
    CardCode code;
    int serial = 0;
    for (int i = 0; i < kCharacters; ++i) {
        const char character = characters[static_cast<std::size_t>(i)];
        const int value = ValueOf(character);
        if (value < 0 || (i > kCheckPosition && (character < '0' || character > '9'))) {
            return std::nullopt;
        }
        values[static_cast<std::size_t>(i)] = value;
        if (i > kCheckPosition) {
            serial = serial * 10 + (character - '0');
        }
    }
    if (WeightedSum(values) != 0) {
        return std::nullopt;
    }
    code.set = static_cast<std::uint8_t>(values[0]);
    code.tag =
        static_cast<std::uint16_t>((values[1] * CardCode::kRadix + values[2]) * CardCode::kRadix + values[3]);
    code.serial = static_cast<std::uint16_t>(serial);
    return code;
}

}  // namespace palvo
