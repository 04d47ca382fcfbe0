#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs what the program needs and is missing, builds the Linux program and opens its
# window; with "web", builds the web edition, build/release-web/voice-types.html, and opens it
# in the browser. Neither installs or builds anything of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  cmake --preset release-web >/dev/null
  cmake --build --preset release-web --target voice-types
  page=$PWD/build/release-web/voice-types.html
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    exec xdg-open "$page"
  fi
  echo "$page"
  exit 0
fi
scripts/setup.sh linux
cmake --preset release-linux >/dev/null
cmake --build --preset release-linux --target voice-types
exec build/release-linux/window/qt/voice-types
