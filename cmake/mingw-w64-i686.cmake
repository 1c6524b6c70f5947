# Cross-compiles the 32-bit Windows program with mingw-w64 on Debian.
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(PALVO_MINGW_TRIPLE i686-w64-mingw32)

# The posix thread model gives GoogleTest and the standard library full <mutex> support;
# it is linked statically below, so the program still needs no DLL beside it.
find_program(CMAKE_C_COMPILER NAMES ${PALVO_MINGW_TRIPLE}-gcc-posix ${PALVO_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${PALVO_MINGW_TRIPLE}-g++-posix ${PALVO_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${PALVO_MINGW_TRIPLE}-windres windres)

# Extra roots (e.g. a cross-built GoogleTest) may be given with -DCMAKE_FIND_ROOT_PATH=...
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${PALVO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Unicode Win32 API throughout; Windows 7 is the oldest system we target.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Everything static: the executables run from a bare folder (and under Wine) with no DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run the cross-built programs through Wine.
find_program(PALVO_WINE wine)
if(PALVO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PALVO_WINE})
endif()

# For a 32-bit target GCC 12 reports false -Wrestrict and -Warray-bounds errors inside the
# standard library's string and vector code (GCC bugs 105329, 105651); they say nothing about ours.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict -Wno-array-bounds")
