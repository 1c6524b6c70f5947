#include "imaging/bmp_file.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>

#include "platform/paths.h"

namespace palvo {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124;  // BITMAPV5HEADER
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;
constexpr std::int32_t kPixelsPerMetre96Dpi = 3780;

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// One colour channel described by a bit mask, widened to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static std::optional<Channel> FromMask(std::uint32_t mask)
    {
        Channel channel;
        channel.mask = mask;
        if (mask == 0) {
            return channel;
        }
        channel.shift = std::countr_zero(mask);
        channel.bits = std::popcount(mask);
        // The set bits must be one run, or the channel has no meaningful value.
        if ((mask >> channel.shift) != (channel.bits == 32 ? 0xFFFFFFFFU : (1U << channel.bits) - 1U)) {
            return std::nullopt;
        }
        return channel;
    }

    std::uint8_t Value(std::uint32_t pixel) const
    {
        if (mask == 0) {
            return 0;
        }
        const std::uint32_t raw = (pixel & mask) >> shift;
        if (bits >= 8) {
            return static_cast<std::uint8_t>(raw >> (bits - 8));
        }
        const std::uint32_t largest = (1U << bits) - 1U;
        return static_cast<std::uint8_t>((raw * 255U + largest / 2U) / largest);
    }
};

struct Layout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool topDown = false;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::size_t masksAt = 0;  // 0: masks inside the header or none
    std::uint32_t headerSize = 0;
};

BmpFileResult ReadLayout(std::span<const std::uint8_t> bytes, Layout& layout)
{
    const std::size_t size = bytes.size();
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return BmpFileResult::NotBitmap;
    }
    if (size < kFileHeaderSize + 4) {
        return BmpFileResult::Truncated;
    }
    layout.headerSize = Read32(bytes, kFileHeaderSize);
    if (layout.headerSize != kCoreHeaderSize &&
        (layout.headerSize < kInfoHeaderSize || layout.headerSize > kLargestHeaderSize)) {
        return BmpFileResult::Unsupported;
    }
    if (size < kFileHeaderSize + layout.headerSize) {
        return BmpFileResult::Truncated;
    }
    const std::size_t header = kFileHeaderSize;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint32_t colorsUsed = 0;
    if (layout.headerSize == kCoreHeaderSize) {
        width = Read16(bytes, header + 4);
        height = Read16(bytes, header + 6);
        planes = Read16(bytes, header + 8);
        layout.bitCount = Read16(bytes, header + 10);
        layout.paletteEntrySize = 3;
    } else {
        width = static_cast<std::int32_t>(Read32(bytes, header + 4));
        height = static_cast<std::int32_t>(Read32(bytes, header + 8));
        planes = Read16(bytes, header + 12);
        layout.bitCount = Read16(bytes, header + 14);
        layout.compression = Read32(bytes, header + 16);
        colorsUsed = Read32(bytes, header + 32);
    }
    if (planes != 1 || width <= 0 || height == 0) {
        return BmpFileResult::Malformed;
    }
    layout.topDown = height < 0;
    height = height < 0 ? -height : height;  // 64-bit, so the most negative 32-bit value is safe
    if (width > kMaxBmpSide || height > kMaxBmpSide) {
        return BmpFileResult::TooLarge;
    }
    layout.width = static_cast<std::int32_t>(width);
    layout.height = static_cast<std::int32_t>(height);

    switch (layout.bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            if (layout.compression != kRgb) {
                return BmpFileResult::Unsupported;
            }
            break;
        case 16:
        case 32:
            if (layout.compression != kRgb && layout.compression != kBitFields &&
                layout.compression != kAlphaBitFields) {
                return BmpFileResult::Unsupported;
            }
            break;
        default:
            return BmpFileResult::Unsupported;
    }

    std::size_t afterHeader = header + layout.headerSize;
    if (layout.compression == kBitFields || layout.compression == kAlphaBitFields) {
        // A header too short to hold the three masks (the 40-byte one) is followed by them;
        // larger headers carry them inside.
        if (layout.headerSize < kInfoHeaderSize + 12) {
            layout.masksAt = afterHeader;
            afterHeader += layout.compression == kAlphaBitFields ? 16 : 12;
            if (size < afterHeader) {
                return BmpFileResult::Truncated;
            }
        }
    }
    if (layout.bitCount <= 8) {
        const std::size_t largest = std::size_t{1} << layout.bitCount;
        if (colorsUsed > largest) {
            return BmpFileResult::Malformed;
        }
        layout.paletteCount = colorsUsed == 0 ? largest : colorsUsed;
        layout.paletteAt = afterHeader;
        afterHeader += layout.paletteCount * layout.paletteEntrySize;
        if (size < afterHeader) {
            return BmpFileResult::Truncated;
        }
    }
    const std::uint32_t pixelsAt = Read32(bytes, 10);
    if (pixelsAt < afterHeader) {
        return BmpFileResult::Malformed;
    }
    return BmpFileResult::Ok;
}

BmpFileResult DecodeMasks(std::span<const std::uint8_t> bytes, const Layout& layout, Channel& red,
                          Channel& green, Channel& blue)
{
    std::uint32_t masks[3] = {0, 0, 0};
    if (layout.compression == kRgb) {
        if (layout.bitCount == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else {
            masks[0] = 0x00FF0000;
            masks[1] = 0x0000FF00;
            masks[2] = 0x000000FF;
        }
    } else {
        const std::size_t at = layout.masksAt != 0 ? layout.masksAt : kFileHeaderSize + kInfoHeaderSize;
        if (at + 12 > bytes.size()) {
            return BmpFileResult::Truncated;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            masks[i] = Read32(bytes, at + 4 * i);
        }
    }
    const auto r = Channel::FromMask(masks[0]);
    const auto g = Channel::FromMask(masks[1]);
    const auto b = Channel::FromMask(masks[2]);
    if (!r || !g || !b) {
        return BmpFileResult::Malformed;
    }
    red = *r;
    green = *g;
    blue = *b;
    return BmpFileResult::Ok;
}

void Write16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Write32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::size_t RowStride(std::int32_t width, std::uint16_t bitCount)
{
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

// File and info headers of a bottom-up uncompressed bitmap; the caller fills palette and rows.
std::vector<std::uint8_t> StartFile(const PixelBuffer& image, std::uint16_t bitCount,
                                    std::uint32_t paletteCount)
{
    const std::size_t pixelsAt =
        kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<std::size_t>(paletteCount);
    const std::size_t imageSize =
        RowStride(image.Width(), bitCount) * static_cast<std::size_t>(image.Height());
    std::vector<std::uint8_t> bytes(pixelsAt + imageSize, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Write32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    Write32(bytes, 10, static_cast<std::uint32_t>(pixelsAt));
    Write32(bytes, 14, kInfoHeaderSize);
    Write32(bytes, 18, static_cast<std::uint32_t>(image.Width()));
    Write32(bytes, 22, static_cast<std::uint32_t>(image.Height()));
    Write16(bytes, 26, 1);
    Write16(bytes, 28, bitCount);
    Write32(bytes, 30, kRgb);
    Write32(bytes, 34, static_cast<std::uint32_t>(imageSize));
    Write32(bytes, 38, kPixelsPerMetre96Dpi);
    Write32(bytes, 42, kPixelsPerMetre96Dpi);
    Write32(bytes, 46, paletteCount);
    return bytes;
}

BmpFileResult WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    if (!file) {
        return BmpFileResult::CannotWrite;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return file ? BmpFileResult::Ok : BmpFileResult::CannotWrite;
}

}  // namespace

BmpFileResult DecodeBmp(std::span<const std::uint8_t> bytes, PixelBuffer& image)
{
    Layout layout;
    if (const BmpFileResult result = ReadLayout(bytes, layout); result != BmpFileResult::Ok) {
        return result;
    }
    const std::size_t stride = RowStride(layout.width, layout.bitCount);
    const std::size_t pixelsAt = Read32(bytes, 10);
    // Sizes are capped at kMaxBmpSide, so this product cannot overflow.
    if (pixelsAt > bytes.size() ||
        bytes.size() - pixelsAt < stride * static_cast<std::size_t>(layout.height)) {
        return BmpFileResult::Truncated;
    }

    Channel red;
    Channel green;
    Channel blue;
    if (layout.bitCount == 16 || layout.bitCount == 32) {
        if (const BmpFileResult result = DecodeMasks(bytes, layout, red, green, blue);
            result != BmpFileResult::Ok) {
            return result;
        }
    }

    PixelBuffer decoded(layout.width, layout.height);
    for (std::int32_t row = 0; row < layout.height; ++row) {
        const std::int32_t y = layout.topDown ? row : layout.height - 1 - row;
        const std::span<const std::uint8_t> line =
            bytes.subspan(pixelsAt + stride * static_cast<std::size_t>(row), stride);
        for (std::int32_t x = 0; x < layout.width; ++x) {
            Pixel& pixel = decoded.At(x, y);
            const auto column = static_cast<std::size_t>(x);
            switch (layout.bitCount) {
                case 1:
                case 4:
                case 8: {
                    const std::size_t bitAt = column * layout.bitCount;
                    const unsigned shift = 8U - layout.bitCount - static_cast<unsigned>(bitAt % 8);
                    const std::size_t index = (line[bitAt / 8] >> shift) & ((1U << layout.bitCount) - 1U);
                    if (index >= layout.paletteCount) {
                        return BmpFileResult::Malformed;
                    }
                    const std::size_t entry = layout.paletteAt + index * layout.paletteEntrySize;
                    pixel = Pixel{bytes[entry], bytes[entry + 1], bytes[entry + 2], 0};
                    break;
                }
                case 16: {
                    const std::uint32_t value = Read16(line, column * 2);
                    pixel = Pixel{blue.Value(value), green.Value(value), red.Value(value), 0};
                    break;
                }
                case 24:
                    pixel = Pixel{line[column * 3], line[column * 3 + 1], line[column * 3 + 2], 0};
                    break;
                default: {
                    const std::uint32_t value = Read32(line, column * 4);
                    pixel = Pixel{blue.Value(value), green.Value(value), red.Value(value), 0};
                    break;
                }
            }
        }
    }
    image = std::move(decoded);
    return BmpFileResult::Ok;
}

BmpFileResult ReadBmpFile(const std::string& path, PixelBuffer& image)
{
    const std::filesystem::path filePath = PathFromUtf8(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath, error)) {
        return BmpFileResult::CannotOpen;
    }
    std::ifstream file(filePath, std::ios::binary | std::ios::ate);
    if (!file) {
        return BmpFileResult::CannotOpen;
    }
    const std::streamoff length = file.tellg();
    if (length < 0) {
        return BmpFileResult::CannotOpen;
    }
    // Nothing within the size limit needs more than this; refuse before reading it all.
    constexpr std::streamoff largest = static_cast<std::streamoff>(kMaxBmpSide) * kMaxBmpSide * 4 + 64 * 1024;
    if (length > largest) {
        return BmpFileResult::TooLarge;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), length)) {
        return BmpFileResult::CannotOpen;
    }
    return DecodeBmp(bytes, image);
}

BmpFileResult EncodeBmp4(const PixelBuffer& image, std::vector<std::uint8_t>& bytes)
{
    if (image.Empty()) {
        return BmpFileResult::Malformed;
    }
    std::vector<ColorTriple> palette;
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(image.Width()) *
                                      static_cast<std::size_t>(image.Height()));
    for (std::int32_t y = 0; y < image.Height(); ++y) {
        for (std::int32_t x = 0; x < image.Width(); ++x) {
            const Pixel& pixel = image.At(x, y);
            const ColorTriple color{pixel.blue, pixel.green, pixel.red};
            auto found = std::find(palette.begin(), palette.end(), color);
            if (found == palette.end()) {
                if (palette.size() == 16) {
                    return BmpFileResult::TooManyColors;
                }
                found = palette.insert(palette.end(), color);
            }
            indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width()) +
                    static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(found - palette.begin());
        }
    }
    std::vector<std::uint8_t> encoded = StartFile(image, 4, static_cast<std::uint32_t>(palette.size()));
    std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    for (const ColorTriple& color : palette) {
        encoded[at++] = color.blue;
        encoded[at++] = color.green;
        encoded[at++] = color.red;
        encoded[at++] = 0;
    }
    const std::size_t stride = RowStride(image.Width(), 4);
    for (std::int32_t y = 0; y < image.Height(); ++y) {
        const std::size_t line = at + stride * static_cast<std::size_t>(image.Height() - 1 - y);
        for (std::int32_t x = 0; x < image.Width(); ++x) {
            const std::uint8_t index =
                indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width()) +
                        static_cast<std::size_t>(x)];
            const std::size_t byte = line + static_cast<std::size_t>(x) / 2;
            encoded[byte] = static_cast<std::uint8_t>(encoded[byte] | (x % 2 == 0 ? index << 4 : index));
        }
    }
    bytes = std::move(encoded);
    return BmpFileResult::Ok;
}

std::vector<std::uint8_t> EncodeBmp24(const PixelBuffer& image)
{
    if (image.Empty()) {
        return {};
    }
    std::vector<std::uint8_t> bytes = StartFile(image, 24, 0);
    const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    const std::size_t stride = RowStride(image.Width(), 24);
    for (std::int32_t y = 0; y < image.Height(); ++y) {
        std::size_t byte = at + stride * static_cast<std::size_t>(image.Height() - 1 - y);
        for (std::int32_t x = 0; x < image.Width(); ++x) {
            const Pixel& pixel = image.At(x, y);
            bytes[byte++] = pixel.blue;
            bytes[byte++] = pixel.green;
            bytes[byte++] = pixel.red;
        }
    }
    return bytes;
}

BmpFileResult WriteBmp4File(const std::string& path, const PixelBuffer& image)
{
    std::vector<std::uint8_t> bytes;
    if (const BmpFileResult result = EncodeBmp4(image, bytes); result != BmpFileResult::Ok) {
        return result;
    }
    return WriteBytes(path, bytes);
}

BmpFileResult WriteBmp24File(const std::string& path, const PixelBuffer& image)
{
    if (image.Empty()) {
        return BmpFileResult::Malformed;
    }
    return WriteBytes(path, EncodeBmp24(image));
}

}  // namespace palvo
