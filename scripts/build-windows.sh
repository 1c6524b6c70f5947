#!/usr/bin/env bash
# Cross-builds the Windows program with mingw-w64 and packs it with the files it loads, ready to
# unpack anywhere, with the operator's guide: dist/palvo-<version>-win32.zip and the same as
# dist/palvo-win32.zip.
#   scripts/build-windows.sh                      the 32-bit program (the one we ship) and its zip
#   scripts/build-windows.sh --with-tests         also GoogleTest and the test programs
#   scripts/build-windows.sh --arch win64 ...     the 64-bit build instead (build-win64/, and
#                                                 dist/palvo-<version>-win64.zip): a test vehicle
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

# The QR code library, built into the program from Debian's source package qr-code-generator
# (its upstream tarball carries cpp/qrcodegen.cpp), fetched once with a private apt setup so the
# machine's own sources stay as they are.
qrcodegen_tarball=qr-code-generator_1.8.0.orig.tar.gz
qrcodegen_sha256=2ec0a4d33d6f521c942eeaf473d42d5fe139abcfa57d2beffe10c5cf7d34ae60
qrcodegen=$build/qr-code-generator
if [ ! -f "$qrcodegen/cpp/qrcodegen.cpp" ]; then
    fetch=$build/qr-code-generator-fetch
    mkdir -p "$fetch/lists/partial"
    mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
    echo "deb-src ${mirror:-http://deb.debian.org/debian} bookworm main" >"$fetch/sources.list"
    apt_private=(-o Dir::Etc::SourceList="$fetch/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$fetch/lists")
    if [ ! -f "$fetch/$qrcodegen_tarball" ]; then
        apt-get "${apt_private[@]}" update -qq
        # Only the upstream tarball is needed; a missing Debian patch file is no matter.
        (cd "$fetch" && apt-get "${apt_private[@]}" source --download-only qr-code-generator >/dev/null 2>&1) || true
    fi
    echo "$qrcodegen_sha256  $fetch/$qrcodegen_tarball" | sha256sum --check --quiet
    mkdir -p "$qrcodegen"
    tar -xzf "$fetch/$qrcodegen_tarball" -C "$qrcodegen" --strip-components=1 \
        QR-Code-generator-1.8.0/cpp/qrcodegen.cpp QR-Code-generator-1.8.0/cpp/qrcodegen.hpp
fi
options+=(-DPALVO_QRCODEGEN_SOURCE="$qrcodegen/cpp")

cmake -S "$root" -B "$build" "${generator[@]}" "${options[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

program=$build/platform/win32/palvo.exe
if [ ! -f "$program" ]; then
    $with_tests && exit 0
    echo "palvo.exe was not built (the main window logic is not in this tree yet)" >&2
    exit 1
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

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
# The operator's guide, as a file any Windows PC opens by double-click: one HTML page with its
# pictures inside (cmark-gfm, for the tables), or, without it, the text itself in UTF-8 with a
# byte-order mark.
guide=$root/docs/operator-guide.md
if [ -f "$guide" ]; then
    if command -v cmark-gfm >/dev/null 2>&1; then
        title=$(sed -n 's/^# *//p' "$guide" | head -1)
        {
            printf '<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
            printf '<title>%s</title>\n' "$(printf '%s' "${title:-パルボ 操作ガイド}" | sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g')"
            printf '<style>body{font-family:"Yu Gothic UI","Meiryo",sans-serif;max-width:52em;margin:2em auto;'
            printf 'padding:0 1em;line-height:1.7}img{max-width:100%%;border:1px solid #ccc}'
            printf 'table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:.2em .6em}</style>\n'
            printf '</head>\n<body>\n'
            # Pictures beside the guide go into the page itself, so the page is one file.
            cmark-gfm -e table -e strikethrough -e autolink "$guide" | PALVO_DOCS=$root/docs perl -pe '
                s{<img src="([^":]+\.(png|jpe?g|gif))"}{
                    my ($file, $kind) = ($1, lc $2);
                    $file =~ s/%([0-9A-Fa-f]{2})/chr hex $1/ge;
                    $file = "$ENV{PALVO_DOCS}/$file";
                    $kind = "jpeg" if $kind eq "jpg";
                    -f $file ? "<img src=\"data:image/$kind;base64," . qx(base64 -w0 "$file") . "\"" : $&
                }ge'
            printf '</body>\n</html>\n'
        } >"$stage/操作ガイド.html"
    else
        { printf '\xef\xbb\xbf'; sed 's/\r*$/\r/' "$guide"; } >"$stage/操作ガイド.txt"
    fi
fi

mkdir -p "$root/dist"
zip=$root/dist/palvo-${version:+$version-}$arch.zip
rm -f "$zip"
# CMake's zip writer marks names as UTF-8, so Windows unpacks the Japanese sound file name
# intact; Info-ZIP here would store it unmarked and Explorer would garble it.
(cd "$stage" && cmake -E tar cf "$zip" --format=zip -- *)
# The stable name, for scripts that do not know the version.
if [ "$zip" != "$root/dist/palvo-$arch.zip" ]; then
    cp "$zip" "$root/dist/palvo-$arch.zip"
fi
echo "Built $zip (and dist/palvo-$arch.zip)"
