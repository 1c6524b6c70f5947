#include "imaging/ico_file.h"

#include <cstddef>

namespace palvo {

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int byteCount)
{
    for (int index = 0; index < byteCount; ++index) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * index)));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(const std::vector<PixelBuffer>& pictures)
{
    constexpr std::uint32_t kDirectorySize = 6;
    constexpr std::uint32_t kEntrySize = 16;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    std::vector<std::uint8_t> bytes;
    PutLittleEndian(bytes, 0, 2);
    PutLittleEndian(bytes, 1, 2);  // an icon, not a cursor
    PutLittleEndian(bytes, static_cast<std::uint32_t>(pictures.size()), 2);

    auto maskStride = [](std::uint32_t side) { return (side + 31) / 32 * 4; };
    auto imageSize = [&](std::uint32_t side) {
        return kInfoHeaderSize + side * side * 4 + maskStride(side) * side;
    };
    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(pictures.size());
    for (const PixelBuffer& picture : pictures) {
        const auto side = static_cast<std::uint32_t>(picture.Width());
        bytes.push_back(static_cast<std::uint8_t>(side & 0xFF));  // 256 is written as 0
        bytes.push_back(static_cast<std::uint8_t>(side & 0xFF));
        PutLittleEndian(bytes, 0, 2);   // no palette
        PutLittleEndian(bytes, 1, 2);   // planes
        PutLittleEndian(bytes, 32, 2);  // bits per pixel
        PutLittleEndian(bytes, imageSize(side), 4);
        PutLittleEndian(bytes, offset, 4);
        offset += imageSize(side);
    }

    for (const PixelBuffer& picture : pictures) {
        const auto side = static_cast<std::uint32_t>(picture.Width());
        PutLittleEndian(bytes, kInfoHeaderSize, 4);
        PutLittleEndian(bytes, side, 4);
        PutLittleEndian(bytes, side * 2, 4);  // colour rows and mask rows together
        PutLittleEndian(bytes, 1, 2);
        PutLittleEndian(bytes, 32, 2);
        PutLittleEndian(bytes, 0, 4);  // uncompressed
        PutLittleEndian(bytes, imageSize(side) - kInfoHeaderSize, 4);
        bytes.insert(bytes.end(), 16, 0);  // resolution and palette counts
        // Rows bottom-up, as in every bitmap without a negative height.
        for (std::int32_t y = picture.Height() - 1; y >= 0; --y) {
            for (std::int32_t x = 0; x < picture.Width(); ++x) {
                const Pixel& pixel = picture.At(x, y);
                bytes.insert(bytes.end(), {pixel.blue, pixel.green, pixel.red, pixel.reserved});
            }
        }
        // The mask for systems that ignore the opacity bytes: a set bit is a clear pixel.
        for (std::int32_t y = picture.Height() - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskStride(side), 0);
            for (std::int32_t x = 0; x < picture.Width(); ++x) {
                if (picture.At(x, y).reserved == 0) {
                    row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
                }
            }
            bytes.insert(bytes.end(), row.begin(), row.end());
        }
    }
    return bytes;
}

}  // namespace palvo
