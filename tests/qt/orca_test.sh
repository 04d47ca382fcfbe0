#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# What a blind pupil hears: Orca in a private session (Xvfb, a session bus and its
# accessibility bus), its speech read from its debug record, while the women's voices are
# chosen and alto checked and unchecked with the mouse. Each log line is spoken once.
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
# Everything started here, Orca's buses too, in a process group of its own that ends with it.
trap 'kill -- -$session $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
session=
export XDG_RUNTIME_DIR=$scratch HOME=$scratch
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display") record=$scratch/orca.txt program
# Orca 43 speaks a notification as one utterance, "notification LINE."; Orca 48 as two,
# "notification" and then "LINE".
said() { grep -cE "SPEECH OUTPUT: '(notification )?$1\.?'" "$record" || true; }
# Orca writes its record in blocks, whole once it has stopped: so steps are timed, not awaited.
setsid dbus-run-session -- bash -c '
  orca --replace --debug-file="$record" >/dev/null 2>&1 &
  sleep 5
  env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" &
  timeout 20 xdotool search --sync --onlyvisible --name "example\.org" >/dev/null
  for place in "38 64" "38 140" "38 140"; do sleep 2; xdotool mousemove $place click 1; done
  sleep 2
  kill %2 %1
  wait' 2>/dev/null &
session=$!
wait $session || true
for line in "Избрано: Глас - жени" "Новопосочен женски глас:  Алт" "Демаркиран женски глас:  Алт"; do
  [ "$(said "$line")" -eq 1 ] ||
    fail "Orca said \"$line\" $(said "$line") times: $(grep 'SPEECH OUTPUT' "$record")"
done
echo "ok: Orca spoke each of the three lines once"
