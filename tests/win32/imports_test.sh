#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# voice-types.exe is one file: it imports only DLLs that ship with Windows.
set -euo pipefail
program=$1
imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | sort -f)
allowed='^(KERNEL32|USER32|GDI32|msvcrt|ADVAPI32|COMCTL32|SHELL32|OLEACC|ole32)\.dll$'
unexpected=$(grep -viE "$allowed" <<<"$imports" || true)
[ -z "$unexpected" ] || { echo "FAIL: imports $unexpected"; exit 1; }
echo "ok: $(stat -c %s "$program") bytes, imports $(tr '\n' ' ' <<<"$imports")"
