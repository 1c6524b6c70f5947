#!/usr/bin/env bash
# Cross-builds the Windows program with mingw-w64 and packs it with the files it loads, ready to
# unpack anywhere: dist/palvo-win32.zip.
#   scripts/build-windows.sh                      the 32-bit program (the one we ship) and its zip
#   scripts/build-windows.sh --with-tests         also GoogleTest and the test programs
#   scripts/build-windows.sh --arch win64 ...     the 64-bit build instead (build-win64/, and
#                                                 dist/palvo-win64.zip): a test vehicle
#                                                 for machines that cannot run 32-bit programs
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
with_tests=false
arch=win32
while [ $# -gt 0 ]; do
    case $1 in
        --with-tests) with_tests=true ;;
        --arch) arch=${2:-}; shift ;;
        *) echo "usage: $0 [--with-tests] [--arch win32|win64]" >&2; exit 2 ;;
    esac
    shift
done
case $arch in
    win32) triple=i686-w64-mingw32; toolchain=$root/cmake/mingw-w64-i686.cmake
           build=${PALVO_WIN32_BUILD:-$root/build-win32} ;;
    win64) triple=x86_64-w64-mingw32; toolchain=$root/cmake/mingw-w64-x86_64.cmake
           build=${PALVO_WIN64_BUILD:-$root/build-win64} ;;
    *) echo "unknown architecture '$arch' (win32 or win64)" >&2; exit 2 ;;
esac

if ! command -v "$triple-g++-posix" >/dev/null 2>&1 && ! command -v "$triple-g++" >/dev/null 2>&1; then
    echo "The mingw-w64 $triple cross compiler is missing; run scripts/install-deps.sh" >&2
    exit 1
fi

generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
jobs=${PALVO_JOBS:-2}

options=(
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"
    -DPALVO_WARNINGS_AS_ERRORS=ON
    -DPALVO_BUILD_BENCHMARKS=OFF
    -DPALVO_BUILD_QT=OFF
)

if $with_tests; then
    # GoogleTest for the target, built once from Debian's googletest sources.
    gtest_prefix=$build/googletest
    if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
        echo "Cross-building GoogleTest ($arch) from /usr/src/googletest"
        cmake -S /usr/src/googletest -B "$build/googletest-build" "${generator[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=ON >/dev/null
        cmake --build "$build/googletest-build" -j "$jobs" >/dev/null
        cmake --install "$build/googletest-build" >/dev/null
    fi
    options+=(
        -DPALVO_BUILD_TESTS=ON
        -DGTest_DIR="$gtest_prefix/lib/cmake/GTest"
        # Tests are listed when they run, not at build time (which would need Wine while building).
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
    )
elif [ ! -f "$build/CMakeCache.txt" ]; then
    options+=(-DPALVO_BUILD_TESTS=OFF)
fi

cmake -S "$root" -B "$build" "${generator[@]}" "${options[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

program=$build/platform/win32/palvo.exe
if [ ! -f "$program" ]; then
    $with_tests && exit 0
    echo "palvo.exe was not built (the main window logic is not in this tree yet)" >&2
    exit 1
fi

# The zip: palvo.exe beside the folders it loads from.
stage=$build/dist-stage
rm -rf "$stage"
mkdir -p "$stage"
cp "$program" "$stage/"
for folder in bg wav bars buttons; do
    if [ -d "$root/resources/$folder" ]; then
        cp -r "$root/resources/$folder" "$stage/"
    fi
done
mkdir -p "$root/dist"
zip=$root/dist/palvo-$arch.zip
rm -f "$zip"
# CMake's zip writer marks names as UTF-8, so Windows unpacks the Japanese sound file name
# intact; Info-ZIP here would store it unmarked and Explorer would garble it.
(cd "$stage" && cmake -E tar cf "$zip" --format=zip -- *)
echo "Built $zip"
