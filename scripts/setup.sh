#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that one purpose needs; only those missing, so a second run
# costs nothing. Uses sudo when not run as root.
#   scripts/setup.sh [linux|web|windows|test]...   (no purpose: test, which is everything)
#   scripts/setup.sh --list PURPOSE...             prints the packages, installs nothing
set -euo pipefail

# The Linux program; Liberation Serif is the face fontconfig gives for "Times New Roman".
linux=(cmake ninja-build g++ qt6-base-dev libx11-dev fonts-liberation2)
# The web edition: emscripten compiles it, python3 makes the page.
web=(cmake ninja-build emscripten nodejs python3)
# The Windows program, cross-built, and its installer: wixl builds it, msibuild and msiinfo
# (msitools) finish and read it.
windows=(cmake ninja-build g++-mingw-w64-x86-64-posix wixl msitools python3 python3-olefile)
test=(
  "${linux[@]}" "${web[@]}" "${windows[@]}"
  # clang for the sanitizer build and the fuzzer; Wine runs the Windows program
  clang libclang-rt-dev wine wine64
  # tests, benchmarks and packaging
  libgtest-dev googletest libbenchmark-dev valgrind strace xvfb xauth xdotool time
  dpkg-dev file desktop-file-utils appstream
  # Qt's own headers for turning on its screen-reader events in a test, without a screen reader
  qt6-base-private-dev
  # a Debian 13 to run the tests in too
  debootstrap
  # the release: what git tracks, signing, and what differs between two builds
  git osslsigncode diffoscope openssl
  # what packagers check: licences (REUSE) and the Debian package (lintian)
  reuse lintian
  # the desktop test: X11 properties, and a headless Wayland compositor with Qt's plugin
  x11-utils weston qt6-wayland
  # the contrast test: a private session bus, and a fake desktop portal on it; what the
  # screen reader Orca says
  dbus-daemon python3-dbus python3-gi orca
  # the three browser engines the web tests drive: Chromium through chromedriver, WebKitGTK
  # through its WebDriver, Firefox ESR over WebDriver BiDi
  chromium chromium-driver python3-selenium python3-pil webkit2gtk-driver firefox-esr
  python3-websocket
  # the site as a school puts it up: its zip unpacked with unzip, served by nginx
  nginx unzip
)

only_list=no
[ "${1:-}" = --list ] && { only_list=yes; shift; }
[ $# -gt 0 ] || set -- test
packages=()
for purpose in "$@"; do
  case $purpose in
    linux | web | windows | test) declare -n chosen=$purpose; packages+=("${chosen[@]}"); unset -n chosen ;;
    *) echo "usage: scripts/setup.sh [--list] [linux|web|windows|test]..." >&2; exit 2 ;;
  esac
done
# The web tests' accessibility checker comes from the npm registry, pinned by its lock file;
# a machine with a Node.js of its own may have npm already, outside Debian's packages.
if [[ " $* " == *" test "* ]] && ! command -v npm >/dev/null; then packages+=(npm); fi
if [ "$only_list" = yes ]; then
  printf '%s\n' "${packages[@]}" | sort -u
  exit 0
fi

# The tests drive Debian's own browser packages. Ubuntu has no firefox-esr, and its chromium
# and firefox are snaps, which the tests cannot drive from here: say so before installing.
if [[ " $* " == *" test "* ]] && ! grep -qsx 'ID=debian' /etc/os-release; then
  echo "The tests run on Debian 12 or 13, not on $(. /etc/os-release && echo "$PRETTY_NAME"):" \
       "it has no firefox-esr package. scripts/run.sh builds and opens the program here." >&2
  exit 2
fi
missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
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
