// The bitmap decoder on any bytes: a result for everything, no read outside the bytes, and a
// decoded image that is whole and survives being written and read again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "imaging/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An exact-size copy, so that the address sanitizer sees any read past the end.
    const std::span<const std::uint8_t> bytes(data, size);
    palvo::PixelBuffer image;
    if (palvo::DecodeBmp(bytes, image) != palvo::BmpFileResult::Ok) {
        if (!image.Empty()) std::abort();
        return 0;
    }
    if (image.Empty() || image.Width() > palvo::kMaxBmpSide || image.Height() > palvo::kMaxBmpSide)
        std::abort();
    palvo::PixelBuffer again;
    if (palvo::DecodeBmp(palvo::EncodeBmp24(image), again) != palvo::BmpFileResult::Ok || !(again == image)) {
        std::abort();
    }
    return 0;
}
