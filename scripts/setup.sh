#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building and testing need; only those missing, so a
# second run costs nothing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  # build; clang for the sanitizer build and the fuzzer
  cmake ninja-build g++ python3 clang libclang-rt-dev
  # the Linux program; Liberation Serif is the face fontconfig gives for "Times New Roman"
  qt6-base-dev fonts-liberation2
  # the Windows program, cross-built, and Wine to test it
  g++-mingw-w64-x86-64-posix wine wine64
  # its installer: wixl builds it, msibuild and msiinfo (msitools) finish and read it
  wixl msitools
  # tests, benchmarks and packaging
  libgtest-dev googletest libbenchmark-dev valgrind strace xvfb xauth xdotool libx11-dev time
  dpkg-dev file desktop-file-utils appstream
  # Qt's own headers for turning on its screen-reader events in a test, without a screen reader
  qt6-base-private-dev
  # the release: the installer's summary, signing, and what differs between two builds
  python3-olefile osslsigncode diffoscope openssl
  # what packagers check: licences (REUSE) and the Debian package (lintian)
  reuse lintian
  # the desktop test: X11 properties, and a headless Wayland compositor with Qt's plugin
  x11-utils weston qt6-wayland
  # the contrast test: a private session bus, and a fake desktop portal on it
  dbus-daemon python3-dbus python3-gi
  # the web edition, and the three browser engines its tests drive: Chromium through
  # chromedriver, WebKitGTK through its WebDriver, Firefox ESR over WebDriver BiDi
  emscripten nodejs chromium chromium-driver python3-selenium python3-pil
  webkit2gtk-driver firefox-esr python3-websocket
)
# The browser tests' accessibility checker comes from the npm registry, pinned by its lock
# file; a machine with a Node.js of its own may have npm already, outside Debian's packages.
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "${missing[@]}"
