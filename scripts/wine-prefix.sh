#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Makes a Wine prefix for the Windows program, once: "Times New Roman" mapped to Liberation
# Serif (a classroom PC has the real face); a crash debugger that cannot start, so a crashing
# program ends at once instead of waiting for someone to answer the debugger; and, with
# "null" as second argument, Wine's null graphics driver, which creates and drives real
# windows without an X server.
set -euo pipefail
prefix=$(realpath -m "$1")
driver=${2:-}
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.voice-types-ready" ] && exit 0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1 || true
wineserver --wait
settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"="no-debugger.exe"
"Auto"="1"
REG
if [ "$driver" = null ]; then
  printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' >>"$settings"
fi
wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1
wineserver --wait
touch "$prefix/.voice-types-ready"
