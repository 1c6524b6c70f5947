#include <iconv.h>

#include <cerrno>
#include <string>

#include "platform/text_encoding.h"

namespace palvo {
namespace {

// glibc's "CP932" is Microsoft's Shift-JIS (0x5C is '\', 0x8160 is U+FF5E), matching Windows.
constexpr const char* kCodePage932 = "CP932";

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter()
    {
        if (IsOpen()) ::iconv_close(handle_);
    }
    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `input` into `output` until the end or the first byte sequence iconv rejects;
    // returns how many input bytes were consumed.
    std::size_t Convert(std::string_view input, std::string& output)
    {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = ::iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        // Return to the initial shift state so the next piece starts clean.
        ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        return input.size() - inLeft;
    }

private:
    iconv_t handle_;
};

// Bytes of the UTF-8 sequence that begins with `lead`; 1 for a byte that begins none.
std::size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    Converter converter(kCodePage932, "UTF-8");
    std::string result;
    if (!converter.IsOpen()) return result;
    result.reserve(utf8.size());
    while (!utf8.empty()) {
        utf8.remove_prefix(converter.Convert(utf8, result));
        if (utf8.empty()) break;
        // A character code page 932 has no place for, or a broken sequence: one '?' each.
        result.push_back('?');
        std::size_t skip = Utf8SequenceLength(static_cast<unsigned char>(utf8.front()));
        for (std::size_t index = 1; index < skip; ++index) {
            if (index >= utf8.size() || (static_cast<unsigned char>(utf8[index]) & 0xC0) != 0x80) {
                skip = index;
                break;
            }
        }
        utf8.remove_prefix(skip);
    }
    return result;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    Converter converter("UTF-8", kCodePage932);
    std::string result;
    if (!converter.IsOpen()) return result;
    result.reserve(cp932.size() * 3 / 2);
    while (!cp932.empty()) {
        cp932.remove_prefix(converter.Convert(cp932, result));
        if (cp932.empty()) break;
        // One replacement character per rejected byte; a following ASCII byte survives.
        result.append("\xEF\xBF\xBD");
        cp932.remove_prefix(1);
    }
    return result;
}

}  // namespace palvo
