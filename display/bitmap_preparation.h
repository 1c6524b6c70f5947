#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/config_store.h"
#include "display/digit_rendering.h"
#include "display/layout_metrics.h"
#include "imaging/working_buffers.h"
#include "platform/main_window_view.h"
#include "platform/message_boxes.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// Which picture the start-up put behind the digits.
enum class BackgroundChoice {
    Configured,      // the picture the settings name
    ShippedDefault,  // the program's own bg/bg01.jpg, standing in for a picture that cannot be loaded
    None,            // neither could be loaded
};

// Turns the main window's picture sources into the pixel buffers the digits are composed in,
// and puts the composed buffers on screen. A step that fails shows its own warning and returns
// false; its caller decides whether to go on.
class BitmapPreparation {
public:
    BitmapPreparation(MainWindowView& view, MessageBoxes& messages, WorkingBuffers& buffers,
                      const CShared& shared, const CConfig& config, PixelBuffer& backGroundPixels)
        : view_(view),
          messages_(messages),
          buffers_(buffers),
          shared_(shared),
          config_(config),
          backGroundPixels_(backGroundPixels)
    {
    }

    // Start-up's four steps in their fixed order: SetNumBarBmp for the configured size,
    // SetHistNumBmp, SetBackGroundBmpOrDefault, SetPicHistNumBmp. Nothing once a step fails (it
    // has shown its warning; later steps are not attempted), else the background chosen.
    [[nodiscard]] std::optional<BackgroundChoice> PrepareAtStartUp();

    // After the settings dialog: the bars, the background (RefreshBackGroundBmp) and the blank
    // history cell again, every step attempted; one that fails has shown its warning and leaves
    // what it prepares as it was, or half-updated as the step describes.
    void RefreshAfterSettings(std::optional<std::string>& standIn);

    // Reads the big bars of size `sizeIndex` (0 small, 1 medium, 2 large), recoloured to the digit
    // colour, into their buffers. False for any other index or an unreadable bar; a horizontal
    // bar read before the vertical one failed stays updated.
    [[nodiscard]] bool SetNumBarBmp(std::int16_t sizeIndex);

    // The same for the history bars, which are always of the fourth size.
    [[nodiscard]] bool SetHistNumBmp();

    // Loads the configured background picture into the display image and keeps an untouched copy.
    // A picture smaller than the 800 x 600 display lies at the image's top left with the window's
    // background colour around it; a larger one keeps its size. False, after the warning, when the
    // picture cannot be loaded (missing, undecodable, too large) or read back.
    [[nodiscard]] bool SetBackGroundBmp();

    // Start-up: SetBackGroundBmp, but a configured picture that cannot be loaded is replaced for
    // this run by the shipped picture beside the program; the setting keeps its path (a drive
    // missing today may be back tomorrow). One warning, saying the standard picture is used,
    // except for a path ending in bg/bg01.jpg, the shipped picture of the folder the program was
    // moved or copied from, which is silently this folder's. None, after the plain warning, when
    // the shipped picture cannot be loaded either.
    [[nodiscard]] BackgroundChoice SetBackGroundBmpOrDefault();

    // After the settings dialog: SetBackGroundBmp, except that while the configured path is still
    // `standIn` (the picture the shipped one stands in for, warned about once) a failure keeps the
    // display as it is without a word. `standIn` is cleared once a configured picture loads.
    bool RefreshBackGroundBmp(std::optional<std::string>& standIn);

    // Reads the blank history cell picHistNum(1) as the backdrop of the history digits.
    [[nodiscard]] bool SetPicHistNumBmp();

    // Puts the display image on picBase.
    void RefreshPicNum();

    // Copies the untouched background into the display image, erasing every digit.
    void RestoreBackground();

    // Clears history cell `cellIndex` (0 ... 4; others are ignored) and paints `number` into it:
    // one digit for 0 ... 9, two for 10 ... 99, the last digit of anything longer.
    void DrawHistNum(std::int16_t cellIndex, std::int16_t number);

private:
    bool LoadBackGround(const std::string& path);
    bool ReadBars(DigitTarget target, PictureSurface& horizontal, PictureSurface& vertical);

    MainWindowView& view_;
    MessageBoxes& messages_;
    WorkingBuffers& buffers_;
    const CShared& shared_;
    const CConfig& config_;
    PixelBuffer& backGroundPixels_;
};

}  // namespace palvo
