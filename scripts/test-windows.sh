#!/usr/bin/env bash
# Cross-builds the test suite for 32-bit Windows with mingw-w64 and runs every test program
# under Wine, headless (a private Xvfb display and a private Wine prefix under the build folder).
#   scripts/test-windows.sh
# Skips, and succeeds, when the cross compiler or Wine is not installed.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PALVO_WIN32_BUILD:-$root/build-win32}
toolchain=$root/cmake/mingw-w64-i686.cmake
per_program_timeout=${PALVO_WIN32_TEST_TIMEOUT:-300}

skip() {
    echo "Windows tests: SKIPPED ($1)"
    exit 0
}

command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 || command -v i686-w64-mingw32-g++ >/dev/null 2>&1 ||
    skip "the mingw-w64 i686 cross compiler is not installed; run scripts/install-deps.sh"
command -v wine >/dev/null 2>&1 || skip "Wine is not installed; run scripts/install-deps.sh"
if command -v dpkg-query >/dev/null 2>&1 &&
   ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    skip "wine32 (i386) is not installed, so Wine cannot run 32-bit programs"
fi
[ -f /usr/src/googletest/CMakeLists.txt ] || skip "the GoogleTest sources (/usr/src/googletest) are missing"
command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"

bash "$root/scripts/build-windows.sh" --with-tests || { echo "Windows tests: FAILED (cross build)"; exit 1; }

# Wine: a prefix of our own, no debug chatter, no Mono/Gecko installers, no desktop integration.
export WINEPREFIX=$build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32
export HOME=${HOME:-$build}

# A Japanese locale, so Wine's system code page is 932 as on the Japanese Windows the program
# is made for. Compiled into the build folder: no root needed, nothing installed system-wide.
if [ ! -d "$build/locale/ja_JP.UTF-8" ] && command -v localedef >/dev/null 2>&1 &&
   [ -f /usr/share/i18n/locales/ja_JP ]; then
    mkdir -p "$build/locale"
    localedef -i ja_JP -f UTF-8 "$build/locale/ja_JP.UTF-8" >/dev/null 2>&1 || rm -rf "$build/locale/ja_JP.UTF-8"
fi
if [ -d "$build/locale/ja_JP.UTF-8" ]; then
    export LOCPATH=$build/locale LANG=ja_JP.UTF-8
    unset LC_ALL
else
    echo "Note: no Japanese locale (package 'locales'); Wine runs with its default code page and the"
    echo "      double-byte comparisons with the Windows profile functions are skipped."
fi

xvfb_pid=
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# A display of our own, so the window tests run the same on a desktop and on CI.
for display_number in $(seq 91 120); do
    if [ ! -e "/tmp/.X11-unix/X$display_number" ] && [ ! -e "/tmp/.X$display_number-lock" ]; then
        break
    fi
done
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"
for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$display_number" ] && break
    sleep 0.1
done
if [ ! -e "/tmp/.X11-unix/X$display_number" ]; then
    echo "Windows tests: FAILED (the virtual display Xvfb :$display_number did not start)"
    exit 1
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix (once) in $WINEPREFIX"
    timeout 180 wineboot --init >/dev/null 2>&1 || { echo "Windows tests: FAILED (wineboot)"; exit 1; }
fi
if [ ! -f "$WINEPREFIX/.palvo-configured" ]; then
    # What a Japanese Windows desktop has: the fonts the program asks for by name (served by
    # the IPA fonts) and window frames (Wine draws them itself on a virtual desktop).
    # A UTF-16 registry file: the Japanese font names pass whatever the shell's locale is.
    settings=$build/wine-settings.reg
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"Tahoma"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"
REG
    } >"$settings"
    timeout 60 wine regedit /S "$settings" >/dev/null 2>&1 || { echo "Windows tests: FAILED (Wine settings)"; exit 1; }
    touch "$WINEPREFIX/.palvo-configured"
fi
timeout 60 wineserver -w >/dev/null 2>&1 || true
# Keep one Wine server running for all programs: each start is then fast.
wineserver -p >/dev/null 2>&1 || true

mapfile -t programs < <(find "$build/tests" -name '*.exe' -type f | sort)
if [ ${#programs[@]} -eq 0 ]; then
    echo "Windows tests: FAILED (no test programs were built)"
    exit 1
fi

if [ -s "$build/posix-only-tests.txt" ]; then
    while IFS= read -r line; do
        echo "  skip  ${line%%:*}  (POSIX only:${line#*:})"
    done <"$build/posix-only-tests.txt"
fi

# The smoke test leaves screenshots of the running program here (PNG when ImageMagick is there).
screenshots=$build/screenshots
rm -rf "$screenshots"
mkdir -p "$screenshots"
export PALVO_SCREENSHOT_DIR=$screenshots

passed=()
failed=()
for program in "${programs[@]}"; do
    name=$(basename "$program" .exe)
    log=$build/test-logs/$name.log
    mkdir -p "$build/test-logs"
    # Each program runs in its own folder, so files a test leaves behind cannot meet another's.
    (cd "$(dirname "$program")" && timeout -k 10 "$per_program_timeout" wine "$program" --gtest_brief=1) >"$log" 2>&1
    status=$?
    summary=$(grep -E '^\[  (PASSED|FAILED|SKIPPED) |tests? ran' "$log" | tr '\n' ' ')
    if [ $status -eq 0 ]; then
        passed+=("$name")
        echo "  ok    $name  $summary"
    else
        failed+=("$name")
        [ $status -eq 124 ] && summary="timed out after ${per_program_timeout}s"
        echo "  FAIL  $name (exit $status)  $summary"
        sed 's/^/        /' "$log" | tail -40
    fi
done

if command -v convert >/dev/null 2>&1 && compgen -G "$screenshots/*.bmp" >/dev/null; then
    mkdir -p "$root/screenshots"
    for picture in "$screenshots"/*.bmp; do
        convert "$picture" "$root/screenshots/$(basename "$picture" .bmp).png" && rm -f "$picture"
    done
    echo "Screenshots of the Windows program: $root/screenshots/win32-*.png"
fi

echo "Windows tests: ${#passed[@]} of ${#programs[@]} programs passed under $(wine --version)"
if [ ${#failed[@]} -ne 0 ]; then
    echo "Windows tests: FAILED: ${failed[*]}"
    exit 1
fi
echo "Windows tests: PASSED"
