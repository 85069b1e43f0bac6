#!/usr/bin/env bash
# Starts the program from the build folder given as the first argument.
set -eu
build=${1:-build}
if ! grep -q '^LIFTCALC_BUILD_UI:BOOL=OFF' "$build/CMakeCache.txt" && [ -x "$build/bin/liftcalc" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "liftcalc: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
        echo "Run it on a desktop, or under a virtual display:  xvfb-run $build/bin/liftcalc" >&2
        echo "The calculations also run without a window:  $build/bin/liftcalc --help" >&2
        exit 1
    fi
    exec "$build/bin/liftcalc"
fi
echo "The desktop window is not built yet; replaying the demonstration script instead." >&2
exec "$build/replay/liftcalc-replay" tools/demo.replay
