#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Builds the installer: checks that the program is a 64-bit Windows program, lets wixl build
# the package from the WiX source, then gives the package its Bulgarian texts. wixl writes
# only ASCII into the database (other text comes out empty), so the source carries ASCII
# stand-ins and the database gets the Cyrillic code page and the real names here.
#
# The same sources make the same package, byte for byte: file times and the summary's times
# are SOURCE_DATE_EPOCH (else the last commit's time), the product code follows from the
# upgrade code and the version, and the package code from the rest of the package.
#
#   make_msi.sh PROGRAM.exe ICON.ico SOURCE.wxs DISPLAY_NAME DESCRIPTION OUTPUT.msi
set -euo pipefail
program=$1 icon=$2 source=$3 name=$4 description=$5 output=$6
fail() { echo "make_msi.sh: $*" >&2; exit 1; }

[ -s "$program" ] || fail "the program to package is missing or empty: $program"
format=$(x86_64-w64-mingw32-objdump -f "$program" 2>/dev/null | sed -n 's/.*file format //p' || true)
[ "$format" = pei-x86-64 ] || fail "not a 64-bit Windows program (${format:-unrecognised}): $program"

here=$(cd "$(dirname "$0")" && pwd)
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || date +%s)}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$program" "$stage/voice-types.exe"
cp "$icon" "$stage/voice-types.ico"
# An attribute of the source's Product element, which spans several lines.
attribute() { sed -n "/<Product /,/>/s/.*\\b$1=\"\\([^\"]*\\)\".*/\\1/p" "$source" | head -n 1; }
product=$(/usr/bin/python3 -c 'import sys, uuid; print(str(uuid.uuid5(
    uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' "$(attribute UpgradeCode)" "$(attribute Version)")
sed "s/<Product Id=\"\*\"/<Product Id=\"$product\"/" "$source" >"$stage/voice-types.wxs"
grep -q "<Product Id=\"$product\"" "$stage/voice-types.wxs" || fail "no Product Id=\"*\" in $source"
touch -d "@$epoch" "$stage"/*
# wixl finds the files named in the source beside it, by relative name.
(cd "$stage" && wixl -a x64 -o package.msi voice-types.wxs)
property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"
msibuild "$stage/package.msi" -i "$stage/_ForceCodepage.idt"
size=$(( ($(stat -c %s "$program") + 1023) / 1024 ))
for update in "Property SET Value='$name' WHERE Property='ProductName'" \
              "Property SET Value='$size' WHERE Property='ARPSIZE'" \
              "Directory SET DefaultDir='$name' WHERE Directory='INSTALLDIR'" \
              "Shortcut SET Name='$name' WHERE Shortcut='ProgramShortcut'" \
              "Shortcut SET Description='$description' WHERE Shortcut='ProgramShortcut'"; do
  msibuild "$stage/package.msi" -q "UPDATE $update"
done
[ "$(property "$stage/package.msi" ProductName)" = "$name" ] || fail "the package did not take its name"
# Bulgarian (1026) as the package's language; the code is set by msi_summary.py.
msibuild "$stage/package.msi" -s "$(msiinfo suminfo "$stage/package.msi" | sed -n 's/^Subject: //p')" \
  "$(msiinfo suminfo "$stage/package.msi" | sed -n 's/^Author: //p')" "x64;1026" \
  "{00000000-0000-0000-0000-000000000000}"
"$here/msi_summary.py" "$stage/package.msi" "$epoch" >/dev/null
mv "$stage/package.msi" "$output"
