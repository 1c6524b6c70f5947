#include "platform/win32/picture_decoder.h"

#include <windows.h>
// After windows.h, which it needs.
#include <wincodec.h>

#include <span>

#include "imaging/bmp_file.h"
#include "imaging/picture_file.h"

namespace palvo::win32 {

namespace {

// Releases a COM interface when it leaves scope.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer()
    {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    Interface** Out() { return &pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// COM for the calling thread for as long as the decoder needs it; tolerant of a thread that
// already joined another apartment.
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

}  // namespace

std::optional<PixelBuffer> DecodePictureFile(const std::string& path)
{
    // Only a file on a disk is read: a named pipe or a device would make the read wait.
    std::optional<std::string> bytes = ReadPictureFileBytes(path);
    if (!bytes || bytes->empty() || bytes->size() > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes->data()),
                                             bytes->size());
    if (IsBmpFile(data)) {
        PixelBuffer pixels;
        const BmpFileResult result = DecodeBmp(data, pixels);
        if (result == BmpFileResult::Ok) {
            return pixels;
        }
        // Kinds the program's decoder does not handle (run-length, embedded JPEG) go to the
        // Imaging Component; a bitmap that ends early or contradicts itself is refused.
        if (result != BmpFileResult::Unsupported) {
            return std::nullopt;
        }
    }
    if (!PictureFileIsWhole(data)) {
        return std::nullopt;
    }

    ComScope com;
    ComPointer<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out())))) {
        return std::nullopt;
    }
    ComPointer<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(bytes->data()),
                                            static_cast<DWORD>(bytes->size())))) {
        return std::nullopt;
    }
    ComPointer<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.Out()))) {
        return std::nullopt;
    }
    ComPointer<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Out()))) {
        return std::nullopt;
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > static_cast<UINT>(kMaximumPictureSide) || height > static_cast<UINT>(kMaximumPictureSide)) {
        return std::nullopt;
    }
    ComPointer<IWICBitmapSource> converted;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), converted.Out()))) {
        return std::nullopt;
    }
    PixelBuffer pixels(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    const UINT stride = width * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.ByteCount()),
                                     reinterpret_cast<BYTE*>(pixels.Data())))) {
        return std::nullopt;
    }
    // The fourth byte of a 32bppBGR pixel is unspecified; keep it 0, as a bitmap read would.
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x) {
            pixels.At(x, y).reserved = 0;
        }
    }
    return pixels;
}

}  // namespace palvo::win32
