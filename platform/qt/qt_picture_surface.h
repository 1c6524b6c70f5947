#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "platform/picture_surface.h"
#include "platform/qt/qt_picture_file.h"

namespace palvo {

// A picture box: a widget that shows a persistent image of its own size and may contain
// other controls. The image is 32-bit RGB, whose bytes in memory are exactly the blue, green,
// red, reserved rows of a PixelBuffer, so transfers are plain copies.
class QtPictureSurface : public QWidget, public PictureSurface {
public:
    explicit QtPictureSurface(QWidget* parent = nullptr);

    // The colour shown where the box has no picture (default: the palette's window colour).
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }

    // Resizes the box; the image takes the new size and is cleared.
    void SetBoxSize(int width, int height);

    // The persistent image (what ReadImage delivers), for checks and screenshots.
    const QImage& Image() const { return image_; }

    std::int32_t ImageWidth() const override;
    std::int32_t ImageHeight() const override;
    bool ReadImage(PixelBuffer& image) override;
    std::int32_t WriteImage(const PixelBuffer& image) override;
    void Clear() override;
    // Repaints the part of the image changed since the last call (nothing when none changed).
    void Refresh() override;
    bool LoadPicture(const std::string& path) override;
    void RemovePicture() override;
    void SetImageSize(std::int32_t width, std::int32_t height) override;

    // The largest picture LoadPicture accepts, in each direction.
    static constexpr int kMaximumPictureSide = kMaxPictureFileSide;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_;
    QImage image_;
    QImage picture_;
    QRect changed_;  // part of the image changed since it was last put on screen
};

}  // namespace palvo
