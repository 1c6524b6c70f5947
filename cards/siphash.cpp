#include "cards/siphash.h"

#include <bit>

namespace palvo {

namespace {

std::uint64_t ReadLittleEndian(const std::uint8_t* bytes, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return value;
}

struct SipState {
    std::uint64_t v0, v1, v2, v3;

    void Round()
    {
        v0 += v1;
        v1 = std::rotl(v1, 13);
        v1 ^= v0;
        v0 = std::rotl(v0, 32);
        v2 += v3;
        v3 = std::rotl(v3, 16);
        v3 ^= v2;
        v0 += v3;
        v3 = std::rotl(v3, 21);
        v3 ^= v0;
        v2 += v1;
        v1 = std::rotl(v1, 17);
        v1 ^= v2;
        v2 = std::rotl(v2, 32);
    }

    void Absorb(std::uint64_t word)
    {
        v3 ^= word;
        Round();
        Round();
        v0 ^= word;
    }
};

}  // namespace

std::uint64_t SipHash24(const SipKey& key, std::span<const std::uint8_t> message)
{
    const std::uint64_t k0 = ReadLittleEndian(key.data(), 8);
    const std::uint64_t k1 = ReadLittleEndian(key.data() + 8, 8);
    SipState state{k0 ^ 0x736f6d6570736575ULL, k1 ^ 0x646f72616e646f6dULL, k0 ^ 0x6c7967656e657261ULL,
                   k1 ^ 0x7465646279746573ULL};
    const std::size_t whole = message.size() / 8 * 8;
    for (std::size_t offset = 0; offset < whole; offset += 8) {
        state.Absorb(ReadLittleEndian(message.data() + offset, 8));
    }
    // The last word carries the rest of the message and the length's low byte on top.
    const std::uint64_t last = ReadLittleEndian(message.data() + whole, message.size() - whole) |
                               (static_cast<std::uint64_t>(message.size() & 0xff) << 56);
    state.Absorb(last);
    state.v2 ^= 0xff;
    for (int i = 0; i < 4; ++i) {
        state.Round();
    }
    return state.v0 ^ state.v1 ^ state.v2 ^ state.v3;
}

}  // namespace palvo
