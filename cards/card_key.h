#pragma once

#include <filesystem>
#include <string_view>

#include "cards/siphash.h"
#include "platform/entropy_source.h"

namespace palvo {

// The secret of this installation from which every card's numbers and tag follow. It lives in
// the settings folder; whoever has a copy can print cards that check, and without it no card
// printed so far can be checked again: it is worth a backup.
struct CardKeyReading {
    enum class Outcome {
        Read,        // the key was there
        Created,     // there was none: a new one was made and is on the disk
        Unreadable,  // a file of that name is there but cannot be read or holds no key
        NotWritten,  // there was none and none could be written
    };
    Outcome outcome = Outcome::NotWritten;
    SipKey key{};

    bool Usable() const { return outcome == Outcome::Read || outcome == Outcome::Created; }
};

inline constexpr std::string_view kCardKeyName = "palvo-cards.key";

// Reads the key in `folder`, or makes one from `entropy` when the folder has none. A new key is
// written under another name, flushed, readable by its owner alone, and only then given the key's
// name without replacing anything; an existing file is never replaced or changed, even when it
// holds no key.
[[nodiscard]] CardKeyReading ReadOrCreateCardKey(const std::filesystem::path& folder, EntropySource& entropy);

// Reads the key in `folder` and never makes one: where there is none, no card was printed.
[[nodiscard]] CardKeyReading ReadCardKey(const std::filesystem::path& folder);

// The key file's bytes for `key` (a text line a person can copy).
std::string CardKeyFileBytes(const SipKey& key);

}  // namespace palvo
