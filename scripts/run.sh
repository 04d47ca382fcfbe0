#!/usr/bin/env bash
# Installs what is missing, builds the Linux program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/main --target voice-types
exec build/main/window/qt/voice-types
