#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the Linux program and opens its window; with "web",
# builds the web edition, build/web/voice-types.html, and opens it in the browser.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if [ "${1:-}" = web ]; then
  emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/web --target voice-types
  page=$PWD/build/web/voice-types.html
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    exec xdg-open "$page"
  fi
  echo "$page"
  exit 0
fi
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/main --target voice-types
exec build/main/window/qt/voice-types
