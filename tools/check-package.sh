#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks it as Debian and the desktops would
# (lintian with no error or warning, valid AppStream metadata and desktop entry, the icon at
# every size of the icon theme), unpacks it into a temporary root and checks that the installed
# program answers --version and opens its window (offscreen) from the module it installed.
# Usage: check-package.sh BUILD_DIR VERSION
set -eu
build=$(cd "$1" && pwd)
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/liftcalc_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root

failed=0
fail() { echo "FAIL: $*"; failed=1; }

for file in usr/bin/liftcalc \
    usr/share/applications/liftcalc.desktop \
    usr/share/mime/packages/liftcalc.xml \
    usr/share/metainfo/org.example.liftcalc.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/liftcalc.xpm \
    usr/share/icons/hicolor/16x16/apps/liftcalc.xpm \
    usr/share/man/man1/liftcalc.1.gz \
    usr/share/doc/liftcalc/copyright \
    usr/share/doc/liftcalc/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
# A PNG's width and height are the two big-endian words at bytes 16 to 23.
for size in 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/liftcalc.png
    if [ ! -f "$icon" ]; then
        fail "the package lacks the ${size}-pixel icon"
    elif [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | xargs)" != "$size $size" ]; then
        fail "the ${size}-pixel icon is not $size by $size"
    fi
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt Widgets"

# Only errors and warnings fail; lintian's "I:" notes are not faults.
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log"; fail "lintian found errors or warnings"; }
appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.xml >"$scratch/as.log" 2>&1 ||
    { cat "$scratch/as.log"; fail "the AppStream metadata is not valid"; }
desktop-file-validate "$root/usr/share/applications/liftcalc.desktop" ||
    fail "the desktop entry is not valid"

answer=$("$root/usr/bin/liftcalc" --version)
[ "$answer" = "liftcalc $version" ] || fail "--version said '$answer'"
# The window runs until it is stopped; a module it cannot load ends it at once.
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch timeout 3 "$root/usr/bin/liftcalc" \
    >"$scratch/window.log" 2>&1 || status=$?
[ $status -eq 124 ] || { cat "$scratch/window.log"; fail "the window did not open (status $status)"; }
[ $failed -eq 0 ] && echo "package $(basename "$deb") checked"
exit $failed
