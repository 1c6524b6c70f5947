# Cross-compiles the 32-bit Windows program (the one we ship) with mingw-w64 on Debian.
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PALVO_MINGW_TRIPLE i686-w64-mingw32)
set(PALVO_WINE_LOADERS wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# For a 32-bit target GCC 12 reports false -Wrestrict and -Warray-bounds errors inside the
# standard library's string and vector code (GCC bugs 105329, 105651); they say nothing about ours.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict -Wno-array-bounds")
