#include "web/address_code.h"

#include <qrcodegen/qrcodegen.hpp>
#include <string>

namespace palvo {

std::optional<QrModules> EncodeQr(std::string_view text)
{
    // The library reports a text too long for any version by throwing; that stays in here.
    try {
        const qrcodegen::QrCode code =
            qrcodegen::QrCode::encodeText(std::string(text).c_str(), qrcodegen::QrCode::Ecc::MEDIUM);
        QrModules modules;
        modules.size = code.getSize();
        modules.dark.resize(static_cast<std::size_t>(modules.size) * static_cast<std::size_t>(modules.size));
        for (std::int32_t y = 0; y < modules.size; ++y) {
            for (std::int32_t x = 0; x < modules.size; ++x) {
                modules.dark[static_cast<std::size_t>(y * modules.size + x)] = code.getModule(x, y);
            }
        }
        return modules;
    } catch (const qrcodegen::data_too_long&) {
        return std::nullopt;
    }
}

}  // namespace palvo
