#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Takes a screenshot of the window under Xvfb after choosing the women's voices and
# checking Сопран and Алт with the keyboard: docs/screenshot.png of the Linux program, or
# with "windows" docs/screenshot-windows.png of voice-types.exe under Wine, with "web"
# docs/screenshot-web.png of the web edition in headless Chromium, or with "web-tablet"
# docs/screenshot-web-tablet.png of the same on an iPad's screen held upright.
# Needs the build that scripts/test.sh makes.
set -euo pipefail
cd "$(dirname "$0")/.."
which=${1:-linux}
web=(scripts/web-screenshot.py build/web/voice-types.html build/web/tests/web/form_dump.js)
if [ "$which" = web ]; then
  exec "${web[@]}" docs/screenshot-web.png
elif [ "$which" = web-tablet ]; then
  exec "${web[@]}" docs/screenshot-web-tablet.png 768x1024
fi

need=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${need[@]}"
fi

display=:57
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
if [ "$which" = windows ]; then
  export WINEPREFIX=$PWD/build/wineprefix-x11 WINEDEBUG=-all
  scripts/wine-prefix.sh "$WINEPREFIX"
  wine build/win32/bin/voice-types.exe &
  output=docs/screenshot-windows.png
else
  build/main/window/qt/voice-types &
  output=docs/screenshot.png
fi
program=$!
window=$(xdotool search --sync --onlyvisible --name 'example.org' | head -n 1)
sleep 1
xdotool windowfocus --sync "$window"
for key in Tab space Tab space Tab Tab space; do
  xdotool key "$key"
  sleep 0.2
done
sleep 0.5
import -window "$window" "$output"
echo "$output"
