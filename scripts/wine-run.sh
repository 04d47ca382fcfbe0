#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the test prefix (null graphics driver), making the
# prefix first if needed. CTest runs the Windows tests through this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${VOICE_TYPES_WINEPREFIX:-$root/build/wineprefix-null}
"$root/scripts/wine-prefix.sh" "$WINEPREFIX" null
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's server and services, started by the first program, keep its standard error open for
# seconds after it ends, and CTest waits for that at every test: they get a file instead.
errors=$(mktemp)
trap 'cat "$errors" >&2; rm -f "$errors"' EXIT
wine "$@" 2>"$errors"
