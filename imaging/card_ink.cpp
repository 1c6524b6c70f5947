#include "imaging/card_ink.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "imaging/segment_bar.h"

namespace palvo {

namespace {

// Each character as pen strokes on a 4 x 6 grid; a stroke is a list of points ending at -1.
struct Glyph {
    char character;
    std::string_view strokes;  // points as "xy" grid digits, strokes apart by ';'
};
constexpr std::array<Glyph, 41> kGlyphs = {{
    {'A', "06 02 20 42 46;04 44"},
    {'B', "00 06 36 45 44 33 03;00 30 41 42 33"},
    {'C', "41 30 10 01 05 16 36 45"},
    {'D', "00 06 26 44 42 20 00"},
    {'E', "40 00 06 46;03 33"},
    {'F', "40 00 06;03 33"},
    {'G', "41 30 10 01 05 16 36 45 43 23"},
    {'H', "00 06;40 46;03 43"},
    {'I', "10 30;20 26;16 36"},
    {'J', "40 45 36 16 05"},
    {'K', "00 06;40 04;13 46"},
    {'L', "00 06 46"},
    {'M', "06 00 23 40 46"},
    {'N', "06 00 46 40"},
    {'O', "10 30 41 45 36 16 05 01 10"},
    {'P', "06 00 30 41 42 33 03"},
    {'Q', "10 30 41 45 36 16 05 01 10;24 46"},
    {'R', "06 00 30 41 42 33 03;23 46"},
    {'S', "41 30 10 01 02 13 33 44 45 36 16 05"},
    {'T', "00 40;20 26"},
    {'U', "00 05 16 36 45 40"},
    {'V', "00 26 40"},
    {'W', "00 16 23 36 40"},
    {'X', "00 46;40 06"},
    {'Y', "00 23 40;23 26"},
    {'Z', "00 40 06 46"},
    {'0', "10 30 41 45 36 16 05 01 10;31 15"},
    {'1', "11 20 26;16 36"},
    {'2', "01 10 30 41 42 06 46"},
    {'3', "00 40 22 32 43 45 36 16 05"},
    {'4', "36 30 04 44"},
    {'5', "40 00 03 33 44 45 36 06"},
    {'6', "30 10 01 05 16 36 45 44 33 03"},
    {'7', "00 40 16"},
    {'8', "10 30 41 42 33 13 04 05 16 36 45 44 33;13 02 01 10"},
    {'9', "43 13 02 01 10 30 41 45 36 16"},
    {'-', "13 33"},
    {' ', ""},
    {'.', "26"},
    {':', "22;25"},
    {'/', "06 40"},
}};

const Glyph* FindGlyph(char character)
{
    // Addresses come in small letters; their scheme and host read the same in capitals.
    if (character >= 'a' && character <= 'z') {
        character = static_cast<char>(character - 'a' + 'A');
    }
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.character == character) {
            return &glyph;
        }
    }
    return nullptr;
}

void Plot(PixelBuffer& picture, std::int32_t x, std::int32_t y, ColorTriple color)
{
    if (x < 0 || y < 0 || x >= picture.Width() || y >= picture.Height()) {
        return;
    }
    Pixel& pixel = picture.At(x, y);
    pixel.blue = color.blue;
    pixel.green = color.green;
    pixel.red = color.red;
}

}  // namespace

void FillBox(PixelBuffer& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             ColorTriple color)
{
    const std::int32_t left = std::clamp(x, 0, picture.Width());
    const std::int32_t right = std::clamp(x + width, 0, picture.Width());
    const std::int32_t top = std::clamp(y, 0, picture.Height());
    const std::int32_t bottom = std::clamp(y + height, 0, picture.Height());
    if (left >= right) {
        return;
    }
    const Pixel ink{color.blue, color.green, color.red, 0};
    for (std::int32_t row = top; row < bottom; ++row) {
        std::fill(&picture.At(left, row), &picture.At(left, row) + (right - left), ink);
    }
}

void DrawSegmentDigit(PixelBuffer& picture, std::int32_t x, std::int32_t y, const DigitShape& shape,
                      int digit, ColorTriple color)
{
    if (digit < 0 || digit > 9) {
        return;
    }
    // The display's own bar artwork decides which pixels of a bar are ink (its tapered ends).
    constexpr ColorTriple kLit{255, 255, 255};
    const PixelBuffer horizontal =
        MakeSegmentBar(BarOrientation::Horizontal, {shape.length, shape.thickness}, kLit);
    const PixelBuffer vertical =
        MakeSegmentBar(BarOrientation::Vertical, {shape.length, shape.thickness}, kLit);
    if (horizontal.Empty() || vertical.Empty()) {
        return;
    }
    const auto places = DigitBarPlaces(x, y, shape);
    for (std::size_t i = 0; i < places.size(); ++i) {
        if ((kDigitSegments[static_cast<std::size_t>(digit)] & (1U << i)) == 0) {
            continue;
        }
        const PixelBuffer& bar = IsHorizontalBar(i) ? horizontal : vertical;
        for (std::int32_t row = 0; row < bar.Height(); ++row) {
            for (std::int32_t column = 0; column < bar.Width(); ++column) {
                if (bar.At(column, row).green != 0) {
                    Plot(picture, places[i][0] + column, places[i][1] + row, color);
                }
            }
        }
    }
}

void DrawSegmentNumber(PixelBuffer& picture, std::int32_t centreX, std::int32_t centreY,
                       const DigitShape& shape, std::int32_t gap, int number, ColorTriple color)
{
    const std::int32_t top = centreY - shape.Height() / 2;
    if (number < 10) {
        DrawSegmentDigit(picture, centreX - shape.Width() / 2, top, shape, number, color);
        return;
    }
    const std::int32_t left = centreX - (2 * shape.Width() + gap) / 2;
    DrawSegmentDigit(picture, left, top, shape, number / 10 % 10, color);
    DrawSegmentDigit(picture, left + shape.Width() + gap, top, shape, number % 10, color);
}

void DrawPenLine(PixelBuffer& picture, double x0, double y0, double x1, double y1, double pen,
                 ColorTriple color)
{
    const auto left = static_cast<std::int32_t>(std::floor(std::min(x0, x1) - pen));
    const auto right = static_cast<std::int32_t>(std::ceil(std::max(x0, x1) + pen));
    const auto top = static_cast<std::int32_t>(std::floor(std::min(y0, y1) - pen));
    const auto bottom = static_cast<std::int32_t>(std::ceil(std::max(y0, y1) + pen));
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    for (std::int32_t y = std::max(top, 0); y <= std::min(bottom, picture.Height() - 1); ++y) {
        for (std::int32_t x = std::max(left, 0); x <= std::min(right, picture.Width() - 1); ++x) {
            // Distance from the pixel's centre to the nearest point of the line.
            const double px = x + 0.5 - x0;
            const double py = y + 0.5 - y0;
            const double along =
                lengthSquared > 0 ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0) : 0.0;
            const double ex = px - along * dx;
            const double ey = py - along * dy;
            if (ex * ex + ey * ey <= pen * pen) {
                Plot(picture, x, y, color);
            }
        }
    }
}

std::int32_t DrawStrokeText(PixelBuffer& picture, std::int32_t centreX, std::int32_t centreY,
                            std::string_view text, std::int32_t unit, double pen, ColorTriple color)
{
    const auto count = static_cast<std::int32_t>(text.size());
    const std::int32_t width = count == 0 ? 0 : (5 * count - 1) * unit;
    const double left = centreX - width / 2.0;
    const double top = centreY - 3.0 * unit;
    for (std::int32_t i = 0; i < count; ++i) {
        const Glyph* glyph = FindGlyph(text[static_cast<std::size_t>(i)]);
        if (glyph == nullptr) {
            continue;
        }
        const double originX = left + 5.0 * unit * i;
        std::vector<std::array<double, 2>> stroke;
        auto finish = [&] {
            for (std::size_t p = 1; p < stroke.size(); ++p) {
                DrawPenLine(picture, stroke[p - 1][0], stroke[p - 1][1], stroke[p][0], stroke[p][1], pen,
                            color);
            }
            if (stroke.size() == 1) {
                DrawPenLine(picture, stroke[0][0], stroke[0][1], stroke[0][0], stroke[0][1], pen, color);
            }
            stroke.clear();
        };
        std::vector<int> digits;
        for (const char c : glyph->strokes) {
            if (c == ';') {
                finish();
                digits.clear();
            } else if (c >= '0' && c <= '9') {
                digits.push_back(c - '0');
                if (digits.size() == 2) {
                    stroke.push_back({originX + digits[0] * unit, top + digits[1] * unit});
                    digits.clear();
                }
            }
        }
        finish();
    }
    return width;
}

}  // namespace palvo
