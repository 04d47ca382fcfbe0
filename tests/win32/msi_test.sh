#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# The installer as school IT uses it, in a fresh Wine prefix: read back with msiinfo; a silent
# install puts the program, the Start-menu shortcut and the uninstall entry in place; the
# installed program opens and closes with status 0; installing again and repairing leave one
# entry; a later version replaces this one; a silent uninstall removes all of it. A broken
# program refuses to be packaged.
#
#   msi_test.sh PACKAGE.msi PROGRAM.exe WXS MAKE_MSI ICON win32_tests.exe
set -euo pipefail
msi=$1 program=$2 wxs=$3 make_msi=$4 icon=$5 tests=$6
name="Гласови типове"
description="Гласови типове на женски и мъжки певци"
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
[ "$(property "$msi" ProductName)" = "$name" ] || fail "product name $(property "$msi" ProductName)"
[ "$(property "$msi" ProductVersion)" = 1.0.0.0 ] || fail "version"
[ "$(property "$msi" Manufacturer)" = "The voice-types developers" ] || fail "manufacturer"
[ "$(property "$msi" UpgradeCode)" = "{cb9a2d73-beb5-44ca-8b16-e66b762449c5}" ] || fail "upgrade code"
[ "$(property "$msi" ProductLanguage)" = 1026 ] || fail "language $(property "$msi" ProductLanguage)"
[ "$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')" = "x64;1026" ] ||
  fail "summary template $(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')"
[ "$(msiinfo suminfo "$msi" | sed -n 's/^Comments: //p')" = \
  "Copyright (c) 2026 The voice-types developers. MIT licence." ] || fail "no licence in the summary"
[ "$(property "$msi" ARPPRODUCTICON)" = program.ico ] || fail "icon property"
msiinfo export "$msi" File | grep -q $'^ProgramFile\t.*voice-types.exe\t'"$(stat -c %s "$program")" ||
  fail "file table: $(msiinfo export "$msi" File)"
msiinfo export "$msi" Shortcut | grep -q $'^ProgramShortcut\tProgramMenuFolder\t'"$name"$'\tProgram\t\\[#ProgramFile\\]\t\t'"$description" ||
  fail "shortcut table: $(msiinfo export "$msi" Shortcut)"
# Per machine: Windows puts the shortcut in every user's Start menu.
[ "$(property "$msi" ALLUSERS)" = 1 ] || fail "not a per-machine package"
msiinfo export "$msi" Icon | grep -q '^program.ico' || fail "icon table"

export WINEPREFIX=$scratch/prefix WINEDEBUG=-all LC_ALL=C.UTF-8
"$(dirname "$0")/../../scripts/wine-prefix.sh" "$WINEPREFIX" null
root=$WINEPREFIX/drive_c
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entries() {  # the uninstall entries of our product, one "name version publisher" a line
  wine reg export "$uninstall_key" "$scratch/entries.reg" /y >/dev/null 2>&1
  iconv -f utf-16 -t utf-8 "$scratch/entries.reg" | tr -d '\r' | awk -F'"' '
    /^\[/ { if (n != "") print n "|" v "|" p; n = v = p = "" }
    $2 == "DisplayName" { n = $4 } $2 == "DisplayVersion" { v = $4 } $2 == "Publisher" { p = $4 }
    END { if (n != "") print n "|" v "|" p }' | grep -F "$name" || true
}
shortcuts() { find "$root" -name "$name.lnk" 2>/dev/null; }

wine msiexec /i "$(winepath -w "$msi")" /qn || fail "install: status $?"
installed="$root/Program Files/$name/voice-types.exe"
cmp "$installed" "$program" || fail "installed program differs from the built one"
# Wine's installer puts a per-machine shortcut in the installing user's own Start menu (its
# ProgramMenuFolder ignores ALLUSERS); Windows puts it in ProgramData's.
[ "$(shortcuts)" = "$root/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$name.lnk" ] ||
  fail "the shortcut is not in Wine's Start menu: $(shortcuts)"
grep -q "voice-types.exe" "$(shortcuts)" || strings -el "$(shortcuts)" | grep -q "voice-types.exe" ||
  fail "the shortcut does not point at the program"
[ "$(entries)" = "$name|1.0.0.0|The voice-types developers" ] || fail "uninstall entry: $(entries)"
# Where it went and how large it is, for school IT (Wine writes EstimatedSize 0 whatever the
# package says; Windows computes it, and shows Size).
entry_value() { iconv -f utf-16 -t utf-8 "$scratch/entries.reg" | tr -d '\r' | sed -n "s/^\"$1\"=\"\(.*\)\"$/\1/p"; }
[ "$(entry_value InstallLocation)" = 'C:\\Program Files\\'"$name"'\\' ] ||
  fail "install location: $(entry_value InstallLocation)"
[ "$(entry_value Size)" = $(( ($(stat -c %s "$program") + 1023) / 1024 )) ] || fail "size: $(entry_value Size)"
wine reg export 'HKEY_CLASSES_ROOT\Installer\Products' "$scratch/products.reg" /y >/dev/null 2>&1
product_icon=$(iconv -f utf-16 -t utf-8 "$scratch/products.reg" | tr -d '\r' |
  sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p' | sed 's/\\\\/\\/g')
cmp "$(winepath -u "$product_icon")" "$icon" || fail "the entry's icon is not the program's"

VOICE_TYPES_PROGRAM="C:\\Program Files\\$name\\voice-types.exe" \
  wine "$tests" --gtest_filter=Win32ProgramTest.ClosingTheWindowEndsTheProgramWithStatusZero ||
  fail "the installed program did not open and close cleanly"

wine msiexec /i "$(winepath -w "$msi")" /qn || fail "second install: status $?"
wine msiexec /i "$(winepath -w "$msi")" REINSTALL=ALL REINSTALLMODE=vomus /qn || fail "repair: status $?"
[ "$(entries | wc -l)" -eq 1 ] || fail "entries after a repair: $(entries)"

sed 's/Version="1.0.0.0"/Version="1.0.1.0"/' "$wxs" >"$scratch/later.wxs"
"$make_msi" "$program" "$icon" "$scratch/later.wxs" "$name" "$description" "$scratch/later.msi"
wine msiexec /i "$(winepath -w "$scratch/later.msi")" /qn || fail "upgrade: status $?"
[ "$(entries)" = "$name|1.0.1.0|The voice-types developers" ] || fail "after the upgrade: $(entries)"

wine msiexec /x "$(winepath -w "$scratch/later.msi")" /qn || fail "uninstall: status $?"
[ ! -e "$root/Program Files/$name" ] || fail "the program's folder is left"
[ -z "$(shortcuts)" ] || fail "the shortcut is left: $(shortcuts)"
[ -z "$(entries)" ] || fail "the uninstall entry is left: $(entries)"

head -c 1000 /dev/zero >"$scratch/broken.exe"
if "$make_msi" "$scratch/broken.exe" "$icon" "$wxs" "$name" "$description" "$scratch/broken.msi" \
  2>"$scratch/why"; then
  fail "a broken program was packaged"
fi
grep -q "not a 64-bit Windows program" "$scratch/why" || fail "unclear refusal: $(cat "$scratch/why")"
[ ! -e "$scratch/broken.msi" ] || fail "a package was left behind"
echo "ok: $(stat -c %s "$msi") bytes; installed, ran, repaired, upgraded and removed cleanly"
