#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Fuzzes the selector for a fixed time (seconds, default 60), starting from the committed
# corpus; new inputs go to build/fuzz-corpus, crashes to build/fuzz-crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/setup.sh test
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target selector_fuzz
mkdir -p build/fuzz-corpus build/fuzz-crashes
build/sanitize/tests/fuzz/selector_fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build/fuzz-crashes/ build/fuzz-corpus tests/fuzz/corpus
