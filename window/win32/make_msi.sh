#!/usr/bin/env bash
# Builds the installer: checks that the program is a 64-bit Windows program, lets wixl build
# the package from the WiX source, then gives the package its Bulgarian texts. wixl writes
# only ASCII into the database (other text comes out empty), so the source carries ASCII
# stand-ins and the database gets the Cyrillic code page and the real names here.
#
#   make_msi.sh PROGRAM.exe ICON.ico SOURCE.wxs DISPLAY_NAME OUTPUT.msi
set -euo pipefail
program=$1 icon=$2 source=$3 name=$4 output=$5
fail() { echo "make_msi.sh: $*" >&2; exit 1; }

[ -s "$program" ] || fail "the program to package is missing or empty: $program"
format=$(x86_64-w64-mingw32-objdump -f "$program" 2>/dev/null | sed -n 's/.*file format //p' || true)
[ "$format" = pei-x86-64 ] || fail "not a 64-bit Windows program (${format:-unrecognised}): $program"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$program" "$stage/voice-types.exe"
cp "$icon" "$stage/voice-types.ico"
cp "$source" "$stage/voice-types.wxs"
# wixl finds the files named in the source beside it, by relative name.
(cd "$stage" && wixl -a x64 -o package.msi voice-types.wxs)
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"
msibuild "$stage/package.msi" -i "$stage/_ForceCodepage.idt"
for update in "Property SET Value='$name' WHERE Property='ProductName'" \
              "Directory SET DefaultDir='$name' WHERE Directory='INSTALLDIR'" \
              "Shortcut SET Name='$name' WHERE Shortcut='ProgramShortcut'"; do
  msibuild "$stage/package.msi" -q "UPDATE $update"
done
[ "$(msiinfo export "$stage/package.msi" Property | sed -n 's/^ProductName\t//p' | tr -d '\r')" = "$name" ] ||
  fail "the package did not take its name"
mv "$stage/package.msi" "$output"
