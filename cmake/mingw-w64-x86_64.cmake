# Cross-compiles the 64-bit Windows build with mingw-w64 on Debian. It is a test vehicle for
# machines that cannot run 32-bit programs (scripts/test-windows.sh); the program we ship is the
# 32-bit one. Same sources, same warnings.
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PALVO_MINGW_TRIPLE x86_64-w64-mingw32)
set(PALVO_WINE_LOADERS wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
