#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a temporary root and checks
# that the expected files are there and that the installed program answers --version.
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

failed=0
for file in usr/bin/liftcalc \
    usr/share/applications/liftcalc.desktop \
    usr/share/icons/hicolor/32x32/apps/liftcalc.xpm \
    usr/share/icons/hicolor/16x16/apps/liftcalc.xpm \
    usr/share/man/man1/liftcalc.1; do
    [ -f "$scratch/root/$file" ] || { echo "FAIL: the package lacks /$file"; failed=1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 ||
    { echo "FAIL: the package does not depend on Qt Widgets"; failed=1; }
answer=$("$scratch/root/usr/bin/liftcalc" --version)
[ "$answer" = "liftcalc $version" ] || { echo "FAIL: --version said '$answer'"; failed=1; }
[ $failed -eq 0 ] && echo "package $(basename "$deb") checked"
exit $failed
