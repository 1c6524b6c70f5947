#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string_view>

namespace palvo {

// Text of the core (UTF-8) as Qt text.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A layout colour (0x00BBGGRR) as a Qt colour.
inline QColor ToQColor(std::int32_t color)
{
    const auto value = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace palvo
