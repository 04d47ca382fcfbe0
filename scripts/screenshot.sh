#!/usr/bin/env bash
# Takes docs/screenshot.png: the Linux window under Xvfb after choosing the women's voices
# and checking two of them. Needs a built build/main (scripts/run.sh or scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
fi

display=:57
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
build/main/window/qt/voice-types &
program=$!
window=$(xdotool search --sync --pid "$program" --onlyvisible | head -n 1)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 40 64   # Глас - жени
click 40 90   # Сопран
click 40 138  # Алт
import -window "$window" docs/screenshot.png
echo "docs/screenshot.png"
