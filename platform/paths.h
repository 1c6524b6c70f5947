#pragma once

namespace palvo {

// Separator placed between the application directory and the files beside the program.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace palvo
