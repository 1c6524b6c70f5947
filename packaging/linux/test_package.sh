#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it with lintian, extracts it into a
# scratch root (dpkg -x) and starts the program from there as an ordinary user with a scratch
# HOME on a virtual X display: the caller's window must appear, and on close the settings must
# land in ~/.config/palvo/palvo.ini, not beside the program.
#   test_package.sh BUILD_FOLDER
# Exits 77 (skipped, saying why) where the tools it needs are missing.
set -euo pipefail

build=$(cd "${1:?usage: test_package.sh BUILD_FOLDER}" && pwd)
skip() {
    echo "SKIPPED: $*"
    exit 77
}
for tool in cpack dpkg-deb Xvfb xdotool import setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh linux installs it)"
done

scratch=$(mktemp -d /tmp/palvo-package-test.XXXXXX)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
package=$(ls "$scratch"/cpack/palvo_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$package" ] || fail "cpack wrote no palvo_<version>_amd64.deb"
echo "package: $(basename "$package")"

if command -v lintian >/dev/null; then
    # Errors fail the test; warnings and notes are shown.
    lintian --fail-on error "$package" ||
        fail "lintian reports errors"
    echo "lintian: no errors"
else
    echo "lintian: not installed, not run"
fi

# The ordinary user: this one when not root, else nobody.
root="$scratch/root"
home="$scratch/home"
mkdir -p "$root" "$home"
dpkg-deb -x "$package" "$root"
# The operator's guide and every picture it shows come with the program.
guide="$root/usr/share/doc/palvo/operator-guide.md"
[ -f "$guide" ] || fail "the package lacks /usr/share/doc/palvo/operator-guide.md"
for picture in $(sed -n 's/.*](\(images\/[^)]*\)).*/\1/p' "$guide"); do
    [ -f "$root/usr/share/doc/palvo/$picture" ] || fail "the guide's picture $picture is not in the package"
done
echo "operator's guide: in the package with its pictures"
chmod 755 "$scratch"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
    echo "desktop entry: valid"
else
    echo "desktop entry: desktop-file-validate not installed, not checked"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
else
    echo "metainfo: appstreamcli not installed, not checked"
fi

# Xvfb picks a free display itself and writes its number: no race with other test runs.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || fail "the virtual display did not start"
export DISPLAY=":$(head -n 1 "$scratch/display")"

"${as_user[@]}" env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    "$root/usr/bin/palvo" >"$scratch/program.log" 2>&1 &
program_pid=$!

# The main window's caption; a warning box (missing files) would be titled differently.
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'PALVO  ~' | head -n 1 || true)
[ -n "$window" ] || { cat "$scratch/program.log"; fail "the program's window did not appear"; }
sleep 1  # the idle display is painted right after the window appears
shot="$build/package-test/palvo-from-package.png"
mkdir -p "$(dirname "$shot")"
import -window "$window" "$shot"
echo "screenshot: $shot"

# A session ends the program with SIGTERM; it closes like its close button, saving the settings.
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || { cat "$scratch/program.log"; fail "the program ended with status $status"; }

ini="$home/.config/palvo/palvo.ini"
[ -f "$ini" ] || fail "no $ini after closing"
[ ! -e "$root/usr/bin/palvo.ini" ] || fail "palvo.ini was written beside the installed program"
tr -d '\r' <"$ini" | grep -qxF "BackGroundImageFile=$root/usr/share/palvo/bg/bg01.jpg" ||
    { cat "$ini"; fail "the default background is not the installed picture"; }
echo "settings: ~/.config/palvo/palvo.ini written on close"
