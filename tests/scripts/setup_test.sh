#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Opening a program installs a strict part of what the tests install, and none of the heavy
# tools that only another purpose needs.
#   setup_test.sh SOURCE_DIR
set -euo pipefail
scripts=$1/scripts
all=$(bash "$scripts/setup.sh" --list test)
fail() { echo "$1"; exit 1; }

while read -r purpose forbidden; do
  list=$(bash "$scripts/setup.sh" --list "$purpose")
  extra=$(comm -23 <(echo "$list") <(echo "$all"))
  [ -z "$extra" ] || fail "$purpose installs what the tests do not: $extra"
  [ "$(wc -l <<<"$list")" -lt "$(wc -l <<<"$all")" ] || fail "$purpose installs all the tests need"
  heavy=$(grep -E "^($forbidden)" <<<"$list" || true)
  [ -z "$heavy" ] || fail "$purpose installs $(echo $heavy)"
done <<'TABLE'
linux   wine|.*mingw|emscripten|nodejs|npm|chromium|firefox|webkit|clang|valgrind|lintian
web     wine|.*mingw|qt6|chromium|firefox|webkit|clang|valgrind|lintian
TABLE

# run.sh installs for what it opens, and nothing for the tests.
[ "$(grep -o 'setup.sh [a-z]*' "$scripts/run.sh" | sort | tr '\n' ' ')" = "setup.sh linux setup.sh web " ] ||
  fail "run.sh installs more than the program it opens"
