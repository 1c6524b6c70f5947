#!/usr/bin/env bash
# Cross-builds the test suite for Windows with mingw-w64 and runs every test program under Wine,
# headless (a private Xvfb display and a private Wine prefix under the build folder).
#   scripts/test-windows.sh
# The suite runs as the 32-bit program we ship. Where this machine cannot start a 32-bit Windows
# program (a kernel without 32-bit support, no 32-bit Wine), it says so, still builds the 32-bit
# program and its zip, and runs the suite as a 64-bit build under 64-bit Wine instead
# (build-win64/). Where neither can run it skips, and succeeds, saying why.
#   PALVO_WINDOWS_ARCH=win32|win64   run that build only, without trying the other
#   PALVO_WIN32_PROBE=COMMAND        run COMMAND in place of the 32-bit (or 64-bit) trial start,
#   PALVO_WIN64_PROBE=COMMAND        to exercise the fallback and the skip on a machine that can
#                                    run both
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
per_program_timeout=${PALVO_WIN32_TEST_TIMEOUT:-300}
requested=${PALVO_WINDOWS_ARCH:-auto}

skip() {
    echo "Windows tests: SKIPPED ($1)"
    exit 0
}
fail() {
    echo "Windows tests: FAILED ($1)"
    exit 1
}

case $requested in
    auto | win32 | win64) ;;
    *) fail "PALVO_WINDOWS_ARCH is '$requested'; it may be win32, win64 or unset" ;;
esac

triple_of() { [ "$1" = win32 ] && echo i686-w64-mingw32 || echo x86_64-w64-mingw32; }
build_of() { [ "$1" = win32 ] && echo "${PALVO_WIN32_BUILD:-$root/build-win32}" || echo "${PALVO_WIN64_BUILD:-$root/build-win64}"; }
has_compiler() {
    command -v "$(triple_of "$1")-g++-posix" >/dev/null 2>&1 || command -v "$(triple_of "$1")-g++" >/dev/null 2>&1
}
# The Wine loader for one architecture (Debian keeps wine64 out of PATH).
wine_of() {
    if [ "$1" = win32 ]; then
        command -v wine
    else
        command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; }
    fi
}

[ -f /usr/src/googletest/CMakeLists.txt ] || skip "the GoogleTest sources (/usr/src/googletest) are missing"
command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"

# Wine: no debug chatter, no Mono/Gecko installers, no desktop integration.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=${HOME:-$root}

xvfb_pid=
prefixes=()
cleanup() {
    for prefix in "${prefixes[@]}"; do
        WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    done
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
[ -e "/tmp/.X11-unix/X$display_number" ] || fail "the virtual display Xvfb :$display_number did not start"

# Points the Wine variables at the architecture's own prefix, with a Japanese locale.
locale_noted=false
use_prefix() {
    local build
    build=$(build_of "$1")
    export WINEPREFIX=$build/wineprefix WINEARCH=$1
    wine=$(wine_of "$1")
    prefixes+=("$WINEPREFIX")

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
    elif ! $locale_noted; then
        locale_noted=true
        echo "Note: no Japanese locale (package 'locales'); Wine runs with its default code page and the"
        echo "      double-byte comparisons with the Windows profile functions are skipped."
    fi
}

# Starts one small Windows program of the architecture (creating the prefix the first time, which
# the suite needs anyway). Succeeds when it ran; otherwise `reason` holds the last word it saw.
reason=
try_start() {
    local arch=$1 output status fresh=false
    reason=
    if ! has_compiler "$arch"; then
        reason="the mingw-w64 $(triple_of "$arch") cross compiler is not installed"
        return 1
    fi
    if [ -z "$(wine_of "$arch")" ]; then
        reason="$([ "$arch" = win32 ] && echo wine || echo wine64) is not installed"
        return 1
    fi
    use_prefix "$arch"
    [ -f "$WINEPREFIX/system.reg" ] || fresh=true
    mkdir -p "$(dirname "$WINEPREFIX")"
    local probe=PALVO_${arch^^}_PROBE
    if [ -n "${!probe:-}" ]; then
        output=$(LC_ALL=C timeout 300 bash -c "${!probe}" 2>&1)
    else
        $fresh && echo "Creating the $arch Wine prefix (once) in $WINEPREFIX"
        output=$(timeout 300 "$wine" cmd.exe /c exit 0 2>&1)
    fi
    status=$?
    [ $status -eq 0 ] && return 0
    if [ $status -eq 124 ]; then
        reason="a trial start timed out after 300 s"
    else
        reason=$(printf '%s\n' "$output" | sed '/^[[:space:]]*$/d' | tail -1)
        reason="${reason:-a trial start ended with status $status}"
    fi
    # A prefix half made by a start that failed would pass for a finished one next time.
    if $fresh; then
        wineserver -k >/dev/null 2>&1
        rm -rf "$WINEPREFIX"
    fi
    return 1
}

# The shipped program, compile-checked with warnings as errors and packed, where its suite cannot run.
build_shipped_program() {
    has_compiler win32 || return 0
    bash "$root/scripts/build-windows.sh" --arch win32 || fail "32-bit build"
    shipped_built=true
}
shipped_built=false

run_suite() {
    local arch=$1 build
    build=$(build_of "$arch")
    bash "$root/scripts/build-windows.sh" --arch "$arch" --with-tests || fail "$arch cross build"
    use_prefix "$arch"

    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the $arch Wine prefix (once) in $WINEPREFIX"
        timeout 180 "$wine" wineboot --init >/dev/null 2>&1 || fail "wineboot, $arch"
    fi
    if [ ! -f "$WINEPREFIX/.palvo-configured" ]; then
        # What a Japanese Windows desktop has: the fonts the program asks for by name (served by
        # the IPA fonts) and window frames (Wine draws them itself on a virtual desktop).
        # A UTF-16 registry file: the Japanese font names pass whatever the shell's locale is.
        local settings=$build/wine-settings.reg
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
        timeout 60 "$wine" regedit /S "$settings" >/dev/null 2>&1 || fail "Wine settings, $arch"
        touch "$WINEPREFIX/.palvo-configured"
    fi
    # Wine's frame-button glyphs (Marlett, from fonts-wine): this Wine does not look for them in
    # its data folder, and without them the title-bar buttons draw as letters.
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    timeout 60 wineserver -w >/dev/null 2>&1 || true
    # Keep one Wine server running for all programs: each start is then fast.
    wineserver -p >/dev/null 2>&1 || true

    local programs
    mapfile -t programs < <(find "$build/tests" -name '*.exe' -type f | sort)
    [ ${#programs[@]} -ne 0 ] || fail "no test programs were built"

    if [ -s "$build/posix-only-tests.txt" ]; then
        while IFS= read -r line; do
            echo "  skip  ${line%%:*}  (POSIX only:${line#*:})"
        done <"$build/posix-only-tests.txt"
    fi

    # The smoke test leaves screenshots of the running program here (PNG when ImageMagick is there).
    local screenshots=$build/screenshots
    rm -rf "$screenshots"
    mkdir -p "$screenshots"
    export PALVO_SCREENSHOT_DIR=$screenshots

    local passed=() failed=() program name log status summary
    for program in "${programs[@]}"; do
        name=$(basename "$program" .exe)
        log=$build/test-logs/$name.log
        mkdir -p "$build/test-logs"
        # Each program runs in its own folder, so files a test leaves behind cannot meet another's.
        (cd "$(dirname "$program")" && timeout -k 10 "$per_program_timeout" "$wine" "$program" --gtest_brief=1) >"$log" 2>&1
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

    # The shipped build's screenshots keep their place; the 64-bit build's go beside them.
    local shown=$root/screenshots
    [ "$arch" = win64 ] && shown=$root/screenshots/win64
    if command -v convert >/dev/null 2>&1 && compgen -G "$screenshots/*.bmp" >/dev/null; then
        mkdir -p "$shown"
        for picture in "$screenshots"/*.bmp; do
            convert "$picture" "$shown/$(basename "$picture" .bmp).png" && rm -f "$picture"
        done
        echo "Screenshots of the Windows program: $shown/win32-*.png"
    fi

    local bits=32
    [ "$arch" = win64 ] && bits=64
    echo "Windows tests: ${#passed[@]} of ${#programs[@]} programs passed, $bits-bit build under $("$wine" --version)"
    [ ${#failed[@]} -eq 0 ] || fail "${failed[*]}"
}

case $requested in
    win32)
        run_suite win32
        ;;
    win64)
        build_shipped_program
        run_suite win64
        $shipped_built && echo "dist/palvo-win32.zip: the 32-bit program was built; the suite ran the 64-bit build (PALVO_WINDOWS_ARCH=win64)"
        ;;
    auto)
        if try_start win32; then
            run_suite win32
        else
            echo "Windows tests: the 32-bit suite cannot run here ($reason)"
            reason32=$reason
            if try_start win64; then
                echo "Windows tests: running the suite as a 64-bit build under 64-bit Wine instead"
                build_shipped_program
                run_suite win64
                $shipped_built && echo "dist/palvo-win32.zip: the 32-bit program was built (warnings as errors) but could not be run on this machine"
            else
                build_shipped_program
                $shipped_built && echo "dist/palvo-win32.zip: the 32-bit program was built (warnings as errors) but could not be run on this machine"
                skip "neither 32-bit ($reason32) nor 64-bit ($reason) Windows programs can run here"
            fi
        fi
        ;;
esac
echo "Windows tests: PASSED"
