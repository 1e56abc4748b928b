#!/usr/bin/env bash
# Draws the calculator window and the formula dialog on a virtual display
# into docs/screenshot.png and docs/formula_dialog.png. docs/sweep.png is a
# screenshot of the sweep window in use (Xvfb with fluxbox, driven by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ORVIK_BUILD_DIR:-build}"
cmake --build "$build" --target calculator_screenshot formula_dialog_screenshot
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bin/calculator_screenshot" docs/screenshot.png
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bin/formula_dialog_screenshot" docs/formula_dialog.png
