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
#   debian13  run.sh's builds, then main and web, again in a Debian 13 made under build/
# The programs are built as a user builds them (Release); here warnings are errors.
#   scripts/test.sh [PART]...   (no part: all five, in this order)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- sanitize win32 web main debian13
for part in "$@"; do
  case $part in
    sanitize | win32 | web | main | debian13) ;;
    *) echo "usage: scripts/test.sh [sanitize|win32|web|main|debian13]..." >&2; exit 2 ;;
  esac
done

scripts/setup.sh test
for part in "$@"; do
  [ "$part" != debian13 ] || { scripts/debian13.sh; continue; }
  cmake --preset "$part"
  cmake --build --preset "$part"
  ctest --preset "$part" --parallel "$(nproc)"
done
