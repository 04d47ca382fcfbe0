#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test, one build a part, each a
# preset of CMakePresets.json:
#   sanitize  the core under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer,
#             with the fuzzer's corpus
#   win32     the Windows program under Wine
#   web       the web edition in three browser engines
#   main      the Linux program with everything in it
# The programs are built as a user builds them (Release); here warnings are errors.
#   scripts/test.sh [PART]...   (no part: all four, in this order)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- sanitize win32 web main
for part in "$@"; do
  case $part in
    sanitize | win32 | web | main) ;;
    *) echo "usage: scripts/test.sh [sanitize|win32|web|main]..." >&2; exit 2 ;;
  esac
done

scripts/setup.sh test
for part in "$@"; do
  cmake --preset "$part"
  cmake --build --preset "$part"
  ctest --preset "$part" --parallel "$(nproc)"
done
