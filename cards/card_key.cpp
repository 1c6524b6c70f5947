#include "cards/card_key.h"

#include <optional>
#include <string>
#include <system_error>

#include "platform/durable_file.h"

namespace palvo {

namespace {

constexpr std::string_view kHeader = "palvo card key 1\n";
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::optional<SipKey> ParseKey(std::string_view bytes)
{
    if (bytes.substr(0, kHeader.size()) != kHeader) {
        return std::nullopt;
    }
    bytes.remove_prefix(kHeader.size());
    if (bytes.size() != 33 || bytes[32] != '\n') {
        return std::nullopt;
    }
    SipKey key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        const std::size_t high = kHexDigits.find(bytes[2 * i]);
        const std::size_t low = kHexDigits.find(bytes[2 * i + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos) {
            return std::nullopt;
        }
        key[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return key;
}

CardKeyReading ReadExisting(const std::filesystem::path& path)
{
    CardKeyReading reading;
    reading.outcome = CardKeyReading::Outcome::Unreadable;
    if (const std::optional<FileHead> head = ReadFileHead(path, 256); head && head->whole) {
        if (const std::optional<SipKey> key = ParseKey(head->bytes)) {
            reading.outcome = CardKeyReading::Outcome::Read;
            reading.key = *key;
        }
    }
    return reading;
}

}  // namespace

std::string CardKeyFileBytes(const SipKey& key)
{
    std::string bytes(kHeader);
    for (const std::uint8_t byte : key) {
        bytes += kHexDigits[byte >> 4];
        bytes += kHexDigits[byte & 0x0f];
    }
    bytes += '\n';
    return bytes;
}

CardKeyReading ReadCardKey(const std::filesystem::path& folder)
{
    const std::filesystem::path path = folder / PathFromUtf8(kCardKeyName);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        return ReadExisting(path);
    }
    return {};
}

CardKeyReading ReadOrCreateCardKey(const std::filesystem::path& folder, EntropySource& entropy)
{
    const std::filesystem::path path = folder / PathFromUtf8(kCardKeyName);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        return ReadExisting(path);
    }
    CardKeyReading reading;
    for (std::size_t i = 0; i < reading.key.size(); i += 8) {
        const std::uint64_t seed = entropy.FreshSeed();
        for (std::size_t j = 0; j < 8; ++j) {
            reading.key[i + j] = static_cast<std::uint8_t>(seed >> (8 * j));
        }
    }
    // A crash leaves at most a stray file of another name, never a half key under the key's name.
    const std::filesystem::path fresh = folder / PathFromUtf8(std::string(kCardKeyName) + ".new-" +
                                                              std::to_string(entropy.FreshSeed() % 1000000));
    {
        DurableAppendFile file = DurableAppendFile::Open(fresh, FileReaders::OwnerOnly);
        if (!file.IsOpen() || file.SizeAtOpen() != 0 || !file.Append(CardKeyFileBytes(reading.key))) {
            file.Close();
            static_cast<void>(RemoveFile(fresh));
            return reading;
        }
    }
    switch (RenameWithoutReplacing(fresh, path)) {
        case RenameOutcome::Renamed:
            reading.outcome = CardKeyReading::Outcome::Created;
            return reading;
        case RenameOutcome::NameTaken:
            // Another copy of the program made one first: theirs is the key.
            static_cast<void>(RemoveFile(fresh));
            return ReadExisting(path);
        case RenameOutcome::Failed:
            break;
    }
    static_cast<void>(RemoveFile(fresh));
    return reading;
}

}  // namespace palvo
