// Writes the Windows program's icon file, platform/win32/resources/palvo.ico: the program icon
// (imaging/program_icon.h) at every size Windows asks for. Usage: make_program_icon [output file]
// (default: that file in the source tree).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "imaging/ico_file.h"
#include "imaging/program_icon.h"

int main(int argc, char** argv)
{
    const std::filesystem::path path =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::path(PALVO_SOURCE_DIR) / "platform" / "win32" / "resources" / "palvo.ico";
    std::vector<palvo::PixelBuffer> pictures;
    for (const std::int32_t size : palvo::kProgramIconFileSizes) {
        pictures.push_back(palvo::DrawProgramIcon(size));
    }
    const std::vector<std::uint8_t> bytes = palvo::EncodeIconFile(pictures);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        return 1;
    }
    std::printf("%s %zu bytes\n", path.string().c_str(), bytes.size());
    return 0;
}
