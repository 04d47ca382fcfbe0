#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Opening a program installs a strict part of what the tests install, and none of the heavy
# tools that only another purpose needs; a build without a test tool leaves the tests out.
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

# Nor anything the build asks for only when it has tests (cmake/TestTools.cmake).
tools=$(grep -oP '(?<=APPEND missing )[a-z0-9.+-]+|(?<=[a-z0-9-]:)[a-z0-9.+-]+' \
  "$1/cmake/TestTools.cmake" | sort -u)
[ "$(wc -l <<<"$tools")" -gt 5 ] || fail "no test tools read from TestTools.cmake: $tools"
extra=$(comm -12 <(bash "$scripts/setup.sh" --list linux) <(echo "$tools"))
[ -z "$extra" ] || fail "linux installs test tools: $extra"

# A packager's plain build without GoogleTest leaves the tests out and says so; the project's
# own, which requires them, stops.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
core=(-G Ninja -DVOICE_TYPES_CORE_ONLY=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON)
plain=$(cmake -S "$1" -B "$scratch/plain" "${core[@]}" 2>&1) ||
  fail "a plain build without GoogleTest fails: $plain"
grep -q "^-- Tests left out: they need libgtest-dev" <<<"$plain" ||
  fail "a plain build without GoogleTest does not leave the tests out: $plain"
! cmake -S "$1" -B "$scratch/required" "${core[@]}" -DVOICE_TYPES_REQUIRE_TESTS=ON &>/dev/null ||
  fail "a build that requires the tests configures without GoogleTest"

# run.sh installs for what it opens, and nothing for the tests.
[ "$(grep -o 'setup.sh [a-z]*' "$scripts/run.sh" | sort | tr '\n' ' ')" = "setup.sh linux setup.sh web " ] ||
  fail "run.sh installs more than the program it opens"
