#pragma once

#include <cstdint>

namespace palvo {

// Pixel sizes of the prepared bar images and display images, filled by the bitmap
// preparation and read by the digit rendering. Every stored metric starts at 0 and
// is stored unchanged, without validation.
class CShared {
public:
    std::int32_t NumBarHeight_H() const { return numBarHeight_H_; }
    void SetNumBarHeight_H(std::int32_t value) { numBarHeight_H_ = value; }
    std::int32_t NumBarWidth_H() const { return numBarWidth_H_; }
    void SetNumBarWidth_H(std::int32_t value) { numBarWidth_H_ = value; }
    std::int32_t NumBarHeight_V() const { return numBarHeight_V_; }
    void SetNumBarHeight_V(std::int32_t value) { numBarHeight_V_ = value; }
    std::int32_t NumBarWidth_V() const { return numBarWidth_V_; }
    void SetNumBarWidth_V(std::int32_t value) { numBarWidth_V_ = value; }

    std::int32_t HistNumHeight_H() const { return histNumHeight_H_; }
    void SetHistNumHeight_H(std::int32_t value) { histNumHeight_H_ = value; }
    std::int32_t HistNumWidth_H() const { return histNumWidth_H_; }
    void SetHistNumWidth_H(std::int32_t value) { histNumWidth_H_ = value; }
    std::int32_t HistNumHeight_V() const { return histNumHeight_V_; }
    void SetHistNumHeight_V(std::int32_t value) { histNumHeight_V_ = value; }
    std::int32_t HistNumWidth_V() const { return histNumWidth_V_; }
    void SetHistNumWidth_V(std::int32_t value) { histNumWidth_V_ = value; }

    // Gap in pixels between a big bar's end and the centre line of the bar it meets.
    static constexpr std::int32_t NumBarSpace() { return 2; }
    // The same gap for the history digits.
    static constexpr std::int32_t HistNumSpace() { return 1; }

    std::int32_t PicNumHeight() const { return picNumHeight_; }
    void SetPicNumHeight(std::int32_t value) { picNumHeight_ = value; }
    std::int32_t PicNumWidth() const { return picNumWidth_; }
    void SetPicNumWidth(std::int32_t value) { picNumWidth_ = value; }

    std::int32_t PicHistNumHeight() const { return picHistNumHeight_; }
    void SetPicHistNumHeight(std::int32_t value) { picHistNumHeight_ = value; }
    std::int32_t PicHistNumWidth() const { return picHistNumWidth_; }
    void SetPicHistNumWidth(std::int32_t value) { picHistNumWidth_ = value; }

private:
    std::int32_t numBarHeight_H_ = 0;
    std::int32_t numBarWidth_H_ = 0;
    std::int32_t numBarHeight_V_ = 0;
    std::int32_t numBarWidth_V_ = 0;
    std::int32_t histNumHeight_H_ = 0;
    std::int32_t histNumWidth_H_ = 0;
    std::int32_t histNumHeight_V_ = 0;
    std::int32_t histNumWidth_V_ = 0;
    std::int32_t picNumHeight_ = 0;
    std::int32_t picNumWidth_ = 0;
    std::int32_t picHistNumHeight_ = 0;
    std::int32_t picHistNumWidth_ = 0;
};

}  // namespace palvo
