# What the 32-bit and the 64-bit mingw-w64 toolchain files share; each sets PALVO_MINGW_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and PALVO_WINE_LOADERS first, then includes this file.
set(CMAKE_SYSTEM_NAME Windows)

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

# Tests run the cross-built programs through Wine (Debian keeps wine64 out of PATH).
find_program(PALVO_WINE NAMES ${PALVO_WINE_LOADERS} PATHS /usr/lib/wine NO_CACHE)
if(PALVO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PALVO_WINE})
endif()
