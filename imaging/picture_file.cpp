#include "imaging/picture_file.h"

#include <string_view>

#include "platform/file_store.h"

namespace palvo {

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view prefix)
{
    if (bytes.size() < prefix.size()) return false;
    for (std::size_t index = 0; index < prefix.size(); ++index) {
        if (bytes[index] != static_cast<std::uint8_t>(prefix[index])) return false;
    }
    return true;
}

// Walks the markers of a JPEG file up to its end marker.
bool JpegIsWhole(std::span<const std::uint8_t> bytes)
{
    std::size_t at = 2;  // after the start marker
    while (at + 1 < bytes.size()) {
        if (bytes[at] != 0xFF) return false;
        const std::uint8_t marker = bytes[at + 1];
        at += 2;
        if (marker == 0xFF) {  // fill byte before a marker
            --at;
            continue;
        }
        if (marker == 0xD9) return true;  // end of image
        // Markers without a length: TEM and the restart markers.
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (at + 2 > bytes.size()) return false;
        const std::size_t length = (static_cast<std::size_t>(bytes[at]) << 8) | bytes[at + 1];
        if (length < 2 || at + length > bytes.size()) return false;
        at += length;
        if (marker != 0xDA) continue;
        // Entropy-coded data of a scan: ends at the first marker other than a stuffed zero or a
        // restart marker.
        while (at + 1 < bytes.size() && !(bytes[at] == 0xFF && bytes[at + 1] != 0x00 &&
                                          !(bytes[at + 1] >= 0xD0 && bytes[at + 1] <= 0xD7))) {
            ++at;
        }
    }
    return false;
}

// Skips a chain of GIF data sub-blocks; false when it runs past the end.
bool SkipSubBlocks(std::span<const std::uint8_t> bytes, std::size_t& at)
{
    while (at < bytes.size()) {
        const std::size_t length = bytes[at];
        ++at;
        if (length == 0) return true;
        at += length;
    }
    return false;
}

std::size_t ColourTableBytes(std::uint8_t packed)
{
    return (packed & 0x80) != 0 ? 3 * (std::size_t{2} << (packed & 0x07)) : 0;
}

// Walks the blocks of a GIF file up to its trailer.
bool GifIsWhole(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kScreenDescriptorEnd = 13;
    if (bytes.size() < kScreenDescriptorEnd) return false;
    std::size_t at = kScreenDescriptorEnd + ColourTableBytes(bytes[10]);
    while (at < bytes.size()) {
        const std::uint8_t block = bytes[at++];
        if (block == 0x3B) return true;  // trailer
        if (block == 0x21) {             // extension: label, then sub-blocks
            ++at;
            if (!SkipSubBlocks(bytes, at)) return false;
        } else if (block == 0x2C) {  // image: descriptor, colour table, code size, sub-blocks
            if (at + 9 > bytes.size()) return false;
            at += 9 + ColourTableBytes(bytes[at + 8]);
            ++at;  // the minimum code size
            if (at > bytes.size() || !SkipSubBlocks(bytes, at)) return false;
        } else {
            return false;
        }
    }
    return false;
}

// A PNG file ends with its IEND chunk (length 0, type, CRC).
bool PngIsWhole(std::span<const std::uint8_t> bytes)
{
    constexpr std::uint8_t kEnd[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    if (bytes.size() < 8 + sizeof kEnd) return false;
    const auto tail = bytes.subspan(bytes.size() - sizeof kEnd);
    for (std::size_t index = 0; index < sizeof kEnd; ++index) {
        if (tail[index] != kEnd[index]) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadPictureFileBytes(const std::string& path)
{
    return ReadFileBytes(path, kLargestPictureFileBytes);
}

bool IsBmpFile(std::span<const std::uint8_t> bytes)
{
    return StartsWith(bytes, "BM");
}

bool PictureFileIsWhole(std::span<const std::uint8_t> bytes)
{
    if (StartsWith(bytes, "\xFF\xD8")) return JpegIsWhole(bytes);
    if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a")) return GifIsWhole(bytes);
    if (StartsWith(bytes, "\x89PNG\r\n\x1A\n")) return PngIsWhole(bytes);
    return true;
}

}  // namespace palvo
