#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch root and makes the Debian package, checking what a
# desktop and a software centre read. Given the SOURCE_DATE_EPOCH the build was configured
# with, the release's day is that epoch's, not the clock's.
#   package_test.sh BUILD_DIR [EPOCH]
set -euo pipefail
build=$1 epoch=${2:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
id=org.example.VoiceTypes
share="$scratch/usr/share"
[ -x "$scratch/usr/bin/voice-types" ] || fail "no program in bin/"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Categories=Education;' "$share/applications/$id.desktop" || fail "category"
grep -qx 'Name=Гласови типове' "$share/applications/$id.desktop" || fail "not the Bulgarian name"
grep -q '^Comment\[bg\]=' "$share/applications/$id.desktop" || fail "no Bulgarian comment"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null
for size in 32 48 64 128; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ "$(file -b "$icon" | cut -d, -f2)" = " $size x $size" ] || fail "icon $size: $(file -b "$icon")"
done

cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$scratch"/package/*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = education ] || fail "section $(field Section)"
[[ "$(field Maintainer)" == *@* ]] || fail "maintainer $(field Maintainer)"
[[ "$(field Depends)" == *libqt6widgets6* ]] || fail "depends $(field Depends)"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
[[ "$(field Recommends)" == *qt6-wayland* ]] || fail "recommends $(field Recommends)"
# What a packager's tools say of it, pedantic notes included: nothing.
lintian --pedantic --fail-on error,warning,info,pedantic "$deb" 2>/dev/null ||
  fail "lintian: $(lintian --pedantic "$deb" 2>/dev/null)"
# The changelog's release is the metainfo's.
release=$(zcat "$share/doc/voice-types/changelog.gz" | sed -n '1s/^voice-types (\(.*\)).*/\1/p')
day=$(date -u -d "$(zcat "$share/doc/voice-types/changelog.gz" | sed -n 's/^ -- .*>  //p')" +%F)
grep -q "<release version=\"$release\" date=\"$day\">" "$share/metainfo/$id.metainfo.xml" ||
  fail "changelog $release of $day, metainfo $(grep '<release ' "$share/metainfo/$id.metainfo.xml")"
# And the package's and the manual page's.
[ "$(field Version)" = "$release" ] || fail "package version $(field Version), changelog $release"
zcat "$share/man/man1/voice-types.1.gz" | grep -q "^\.TH .* \"voice-types $release\"" ||
  fail "changelog $release, manual page $(zcat "$share/man/man1/voice-types.1.gz" | grep '^\.TH')"
[ -z "$epoch" ] || [ "$day" = "$(date -u -d "@$epoch" +%F)" ] ||
  fail "released on $day, not on the day of SOURCE_DATE_EPOCH $epoch"
echo "ok: installed tree and $(basename "$deb") ($(stat -c %s "$deb") bytes), lintian clean"
