#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# The real program as desktops see it. On X11 (Xvfb): WM_CLASS matches the entry's
# StartupWMClass, the window offers minimise and close only at a fixed size, and closing it ends
# the program with status 0. On Wayland (a headless Weston): the app id it announces is the
# entry's name, and the end of the session (SIGTERM) closes it with status 0.
set -euo pipefail
program=$1
probe=$2
entry=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
chmod 700 "$scratch"
server=
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
app_id=$(basename "$entry" .desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "the entry has no StartupWMClass"

export XDG_RUNTIME_DIR=$scratch

# X11
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")
# Qt's own options are none of the program's: the caption stays.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -qwindowtitle other &
running=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'example\.org' | head -n 1 || true)
[ -n "$window" ] || fail "no window with the publisher's caption: $(xdotool search --name .)"
class=$(xprop -id "$window" WM_CLASS)
[[ "$class" == *", \"$wm_class\"" ]] || fail "WM_CLASS $class, entry says $wm_class"
# flags, functions, decorations: no resizing (function 2, frame 4), no maximise (16, button 64)
read -r _ functions decorations _ < <(xprop -id "$window" _MOTIF_WM_HINTS | cut -d= -f2 | tr -d ,)
(( (functions & 18) == 0 && (decorations & 68) == 0 )) ||
  fail "resizing or maximise offered: $functions $decorations"
(( (functions & 8) && (functions & 32) )) || fail "no minimise or close: $functions"
sizes=$(xprop -id "$window" WM_NORMAL_HINTS)
[[ "$sizes" == *"minimum size: 461 by 345"* && "$sizes" == *"maximum size: 461 by 345"* ]] ||
  fail "not a fixed size: $sizes"
"$probe" close "$window"
status=0
wait "$running" || status=$?
[ "$status" -eq 0 ] || fail "X11: closing the window ended the program with status $status"
kill "$server"
wait "$server" 2>/dev/null || true

# Wayland
weston --backend=headless-backend.so --socket=voice-types-test --idle-time=0 --no-config \
  >"$scratch/weston.log" 2>&1 &
server=$!
for _ in $(seq 50); do [ -S "$scratch/voice-types-test" ] && break; sleep 0.1; done
[ -S "$scratch/voice-types-test" ] || fail "weston did not start: $(cat "$scratch/weston.log")"
env -u DISPLAY WAYLAND_DISPLAY=voice-types-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  "$program" 2>"$scratch/protocol" &
running=$!
# Shown: the app id announced and a surface committed. The protocol log names an object
# interface@id before libwayland 1.23, interface#id from then on.
id='[@#][0-9]*'
for _ in $(seq 100); do
  grep -q 'set_app_id' "$scratch/protocol" && grep -q "wl_surface$id\.commit" "$scratch/protocol" &&
    break
  sleep 0.1
done
announced=$(sed -n "s/.*xdg_toplevel$id\.set_app_id(\"\(.*\)\")\$/\1/p" "$scratch/protocol")
[ "$announced" = "$app_id" ] || fail "Wayland app id '$announced', entry is $app_id"
grep -q "wl_surface$id\.commit" "$scratch/protocol" || fail "no surface committed"
kill -TERM "$running"
status=0
wait "$running" || status=$?
[ "$status" -eq 0 ] || fail "Wayland: the end of the session ended the program with status $status"
echo "ok: X11 WM_CLASS $wm_class, minimise and close only, fixed size; Wayland app id $app_id; status 0 on both"
