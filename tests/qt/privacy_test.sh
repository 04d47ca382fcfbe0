#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Runs the real program under Xvfb and strace, goes through the lesson's worked sequence
# with the keyboard, closes the window, and shows that the process created or wrote no
# file, opened no network socket besides its display connection, and ended with status 0.
set -euo pipefail
program=$1
probe=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")
# A desktop session's environment: a home and a private runtime folder, both empty.
home="$scratch/home"
mkdir -p "$home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" \
  strace -f -qq -o "$scratch/trace" -e trace=%file,%network "$program" &
traced=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name 'example\.org' | head -n 1)
xdotool windowfocus --sync "$window"
for key in Tab space Tab Tab Tab space space shift+Tab shift+Tab space shift+Tab Right Left; do
  xdotool key "$key"
  sleep 0.05
done
"$probe" close "$window"
status=0
wait "$traced" || status=$?
[ "$status" -eq 0 ] || fail "closing the window ended the program with status $status"

trace="$scratch/trace"
# Successful calls that create, change or remove files.
written=$(grep -E '(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$trace" |
  grep -vE '= -1 |"/dev/(null|tty|shm/)' || true)
changed=$(grep -E '^[0-9]+ +(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat)\(' "$trace" |
  grep -v '= -1 ' || true)
[ -z "$written$changed" ] || fail "files written or changed: $written $changed"
sockets=$(grep -E 'socket\(' "$trace" | grep -v 'AF_UNIX' | grep -v '= -1 ' || true)
[ -z "$sockets" ] || fail "network sockets: $sockets"
connections=$(grep -E 'connect\(' "$trace" | grep -v '= -1 ' | grep -v '\.X11-unix/X' || true)
[ -z "$connections" ] || fail "connections besides the display: $connections"
left=$(find "$home" "$scratch/runtime" -mindepth 1)
[ -z "$left" ] || fail "files left in the home or runtime folder: $left"
echo "ok: $(grep -c '' "$trace") traced calls, no file written, display connection only, status 0"
