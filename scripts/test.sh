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
# The programs are built as a user builds them (Release); here warnings are errors. A part
# that fails does not stop the others; the command ends with a line a part (tests passed and
# failed, seconds), then the whole command's count, and fails if any part did.
#   scripts/test.sh [--again] [PART]...   (no part: all five, in this order)
# --again: the parts on a second system, without the tests labelled "once", whose result
# cannot differ from one system to another.
set -euo pipefail
cd "$(dirname "$0")/.."
ctest_options=()
[ "${1:-}" != --again ] || { ctest_options=(--label-exclude '^once$'); shift; }
[ $# -gt 0 ] || set -- sanitize win32 web main debian13
for part in "$@"; do
  case $part in
    sanitize | win32 | web | main | debian13) ;;
    *) echo "usage: scripts/test.sh [--again] [sanitize|win32|web|main|debian13]..." >&2; exit 2 ;;
  esac
done

run_part() {  # PART: builds it and runs its tests
  if [ "$1" = debian13 ]; then
    scripts/debian13.sh
    return
  fi
  cmake --preset "$1" && cmake --build --preset "$1" &&
    ctest --preset "$1" --parallel "$(nproc)" "${ctest_options[@]}"
}

counts() {  # LOG: "PASSED FAILED", from the last summary CTest or this script wrote there
  local line
  line=$(grep -aE '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+$|^[0-9]+ passed, [0-9]+ failed$' \
    "$1" | tail -n 1 | tr -cs '0-9' ' ') || true  # none: it stopped before its tests
  set -- $line
  case $# in
    3) echo "$(($3 - $2)) $2" ;;  # CTest's: percent, failed, out of
    2) echo "$1 $2" ;;
    *) echo "0 0" ;;
  esac
}

start=$SECONDS
scripts/setup.sh test
summary=("installs: $((SECONDS - start)) s") passed=0 failed=0 status=0
mkdir -p build
for part in "$@"; do
  start=$SECONDS log=build/$part.log
  result=0
  run_part "$part" 2>&1 | tee "$log" || result=$?
  read -r part_passed part_failed < <(counts "$log")
  note=""
  if [ "$result" -ne 0 ]; then
    status=1
    [ "$part_failed" -gt 0 ] || { part_failed=1 note=" (stopped before its tests ended)"; }
  fi
  summary+=("$part: $part_passed passed, $part_failed failed, $((SECONDS - start)) s$note")
  passed=$((passed + part_passed)) failed=$((failed + part_failed))
done
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
exit "$status"
