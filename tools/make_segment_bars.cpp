// Writes the segment-bar bitmaps the program ships: resources/bars/horizontal0.bmp ... vertical3.bmp,
// 4-bit amber bars on black, drawn by the taper rule. Usage: make_segment_bars [output folder]
// (default: resources/bars of the source tree).

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "imaging/bmp_file.h"
#include "imaging/segment_bar.h"

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1
                                             ? std::filesystem::path(argv[1])
                                             : std::filesystem::path(PALVO_SOURCE_DIR) / "resources" / "bars";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }
    for (const palvo::BarOrientation orientation :
         {palvo::BarOrientation::Horizontal, palvo::BarOrientation::Vertical}) {
        for (std::size_t index = 0; index < palvo::kSegmentBarSizes.size(); ++index) {
            const palvo::PixelBuffer bar =
                palvo::MakeSegmentBar(orientation, palvo::kSegmentBarSizes[index], palvo::kSegmentBarColor);
            const std::string path =
                (folder / palvo::SegmentBarFileName(orientation, static_cast<int>(index))).string();
            if (palvo::WriteBmp4File(path, bar) != palvo::BmpFileResult::Ok) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%s %dx%d\n", path.c_str(), bar.Width(), bar.Height());
        }
    }
    return 0;
}
