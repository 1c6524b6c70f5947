#include "imaging/ico_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "imaging/program_icon.h"

namespace palvo {
namespace {

// The icon compiled into palvo.exe is a file in the tree, made by tools/make_program_icon; it
// must still be what the drawing (also the Linux window icon) gives.
TEST(IcoFile, WindowsIconFileIsTheCurrentDrawing)
{
    std::ifstream file(PALVO_SOURCE_DIR "/platform/win32/resources/palvo.ico", std::ios::binary);
    ASSERT_TRUE(file) << "platform/win32/resources/palvo.ico is missing";
    const std::vector<std::uint8_t> shipped{std::istreambuf_iterator<char>(file),
                                            std::istreambuf_iterator<char>()};
    std::vector<PixelBuffer> pictures;
    for (const std::int32_t size : kProgramIconFileSizes) {
        pictures.push_back(DrawProgramIcon(size));
    }
    EXPECT_TRUE(shipped == EncodeIconFile(pictures)) << "run make_program_icon to redraw the icon file";
}

}  // namespace
}  // namespace palvo
