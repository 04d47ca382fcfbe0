#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# The real program: without a graphical session it says so, in Bulgarian and then in English,
# and exits 2; with one it keeps running and writes nothing into a fresh home.
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "without a display the status is $status, not 2"
[ "$(printf '%s\n' "$message" | sed -n 1p)" = \
  "Гласови типове: нужна е графична среда (не е зададена нито DISPLAY, нито WAYLAND_DISPLAY)" ] &&
  [ "$(printf '%s\n' "$message" | sed -n '2,$p')" = \
  "voice-types: needs a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set)" ] ||
  fail "unclear message: $message"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
status=0
env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
  XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state" XDG_RUNTIME_DIR="$home/runtime" \
  QT_QPA_PLATFORM=offscreen timeout 3 "$program" || status=$?
[ "$status" -eq 124 ] || fail "the program ended by itself with status $status"
written=$(find "$home" -mindepth 1 -not -type d)
[ -z "$written" ] || fail "files written: $written"
echo "ok: clear refusal without a display; ran 3 s and wrote nothing"
