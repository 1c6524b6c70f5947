#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace palvo {

// A 128-bit key for SipHash.
using SipKey = std::array<std::uint8_t, 16>;

// SipHash-2-4 (Aumasson and Bernstein) of `message` under `key`: the 64-bit result, read as the
// little-endian number the reference implementation writes out.
std::uint64_t SipHash24(const SipKey& key, std::span<const std::uint8_t> message);

}  // namespace palvo
