#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Builds every file a classroom needs into dist/, byte for byte the same whenever and wherever
# the same commit is built: times come from the commit (SOURCE_DATE_EPOCH), and the time
# zone, locale and umask are fixed here.
#   voice-types-VERSION-x64.msi   the installer, for school IT
#   voice-types-VERSION-x64.exe   the program, for one Windows PC
#   voice-types_VERSION_amd64.deb the Debian package (Debian, Ubuntu, Mint)
#   voice-types-VERSION.html      the web edition, for any device
#   voice-types-VERSION-site.zip  the web edition as an app, for a school's web site
#   SHA256SUMS                    their checksums
# Runs the test command first unless given --skip-tests. Signs the two Windows files when a
# code signing certificate is given (scripts/sign.sh says how).
#
#   scripts/release.sh [--skip-tests] [--build DIR] [--dist DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
tests=yes build=build/release dist=dist
while [ $# -gt 0 ]; do
  case $1 in
    --skip-tests) tests=no ;;
    --build) build=$2; shift ;;
    --dist) dist=$2; shift ;;
    *) echo "usage: scripts/release.sh [--skip-tests] [--build DIR] [--dist DIR]" >&2; exit 2 ;;
  esac
  shift
done

scripts/setup.sh
[ "$tests" = no ] || scripts/test.sh

SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022

cmake --preset release-windows -B "$build/win32" >/dev/null
cmake --build "$build/win32" --target voice-types msi
cmake --preset release-web -B "$build/web" >/dev/null
cmake --build "$build/web" --target voice-types site
cmake --preset release-linux -B "$build/main" >/dev/null
cmake --build "$build/main"
(cd "$build/main" && cpack -G DEB -B "$PWD/package" >/dev/null)
version=$(cat "$build/main/version.txt")

rm -rf "$dist"
mkdir -p "$dist"
cp "$build/win32/bin/voice-types-$version-x64.msi" "$dist/"
cp "$build/win32/bin/voice-types.exe" "$dist/voice-types-$version-x64.exe"
cp "$build/main/package/"voice-types_*_amd64.deb "$dist/"
cp "$build/web/voice-types.html" "$dist/voice-types-$version.html"
cp "$build/web/voice-types-site.zip" "$dist/voice-types-$version-site.zip"

scripts/sign.sh "$dist"
echo "In $dist:"
(cd "$dist" && ls -l -- *.msi *.exe *.deb *.html *.zip SHA256SUMS | awk '{print "  " $5 "\t" $9}')
