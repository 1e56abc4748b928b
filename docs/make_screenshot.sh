#!/usr/bin/env bash
# Draws the calculator window on a virtual display into docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ORVIK_BUILD_DIR:-build}"
cmake --build "$build" --target calculator_screenshot
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bin/calculator_screenshot" docs/screenshot.png
