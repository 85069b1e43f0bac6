#!/usr/bin/env bash
# Installs the Debian packages that building and testing liftcalc needs, when they are missing.
# Extra package names on the command line are installed too (fuzzing and benchmarks need more);
# --web adds what the web page's build and its browser test need.
set -eu

if [ "${1:-}" = --web ]; then
    shift
    set -- emscripten terser chromium chromium-driver python3-selenium "$@"
fi

# nlohmann-json3-dev: the test record's JSON reader, native and in WebAssembly.
# fonts-liberation2: a sans-serif narrow enough for the window's fixed layout.
# lintian, appstream, desktop-file-utils: the checks of the Debian package it builds.
# poppler-utils: the test record's PDF is checked from outside the program.
packages=(cmake ninja-build g++ pkg-config dpkg-dev libgtest-dev qt6-base-dev nlohmann-json3-dev
    fonts-liberation2 python3
    lintian appstream desktop-file-utils poppler-utils "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "liftcalc needs these Debian packages: ${missing[*]}" >&2
    echo "Run as root, or install sudo, or install them yourself:" >&2
    echo "    apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}"
