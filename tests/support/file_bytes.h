#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace palvo {

// Every byte of a file as the tests compare it (empty when it cannot be read).
inline std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace palvo
