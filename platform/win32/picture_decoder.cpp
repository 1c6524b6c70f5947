#include "platform/win32/picture_decoder.h"

#include <windows.h>
// After windows.h, which it needs.
#include <wincodec.h>

#include "platform/win32/os/wide_text.h"

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
    const std::wstring widePath = Widen(path);
    if (widePath.empty()) {
        return std::nullopt;
    }
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }

    ComScope com;
    ComPointer<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out())))) {
        return std::nullopt;
    }
    ComPointer<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Out()))) {
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
