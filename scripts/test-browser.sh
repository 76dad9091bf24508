#!/usr/bin/env bash
# Renders the preview pages of zrvtemplate in headless Chromium and checks
# them (the text, and nothing outside its card at 1280 px), with the HTML
# check of every sample's page. Installs Chromium and tidy when missing.
#
#   scripts/test-browser.sh
#   ZRV_PREVIEW_SCREENSHOT=$PWD/docs/preview.png scripts/test-browser.sh
#
# The second form also writes the screenshot that the README shows.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages g++ cmake libcli11-dev nlohmann-json3-dev python3 tidy chromium
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs" --target zrvtemplate
# A skipped browser test would pass silently; here Chromium is installed, so
# the test must run.
ctest --preset dev -R '^zrvtemplate_preview_' --output-on-failure --no-tests=error 2>&1 |
  tee /tmp/zrvreport-browser-test.log
! grep -q 'Skipped' /tmp/zrvreport-browser-test.log
