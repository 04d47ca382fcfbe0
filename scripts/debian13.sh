#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# The test command's part "debian13": a minimal Debian 13 made once under build/debian13 (kept,
# so that a second run downloads nothing again), a clone of this tree in it, and there, from
# what its own scripts install, run.sh's two builds and the test parts main and web, without
# the tests whose result cannot differ there.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
system=$PWD/build/debian13/system

# A proxy between here and the registries, for debootstrap and for everything in the system.
proxies=()
for name in http_proxy https_proxy no_proxy; do
  [ -z "${!name:-}" ] || proxies+=("$name=${!name}")
done

# Never delete a folder with anything mounted below it: that would reach into what is mounted.
unmounted() { ! findmnt -rn -o TARGET | grep -q "^$system\(/\|$\)"; }
if [ ! -e "$system/.made" ]; then
  unmounted || { echo "something is still mounted below $system" >&2; exit 1; }
  "${sudo[@]}" rm -rf "$system"
  "${sudo[@]}" env "${proxies[@]}" debootstrap --variant=minbase trixie "$system"
  "${sudo[@]}" touch "$system/.made"
fi
# Names, and the certificate authorities a proxy between here and the registries may need.
"${sudo[@]}" cp -L /etc/resolv.conf "$system/etc/"
"${sudo[@]}" mkdir -p "$system/etc/ssl/certs"
"${sudo[@]}" cp -L /etc/ssl/certs/ca-certificates.crt "$system/etc/ssl/certs/"
if [ -d /usr/local/share/ca-certificates ]; then
  "${sudo[@]}" cp -rL /usr/local/share/ca-certificates/. "$system/usr/local/share/ca-certificates/"
fi
settings=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
          NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt "${proxies[@]}")
# The committed tree, in a clone kept with its build folders: a second run builds only what
# changed since the first.
git=("${sudo[@]}" git -c safe.directory='*')
[ -d "$system/src/.git" ] || "${git[@]}" clone -q --no-hardlinks "$PWD" "$system/src"
"${git[@]}" -C "$system/src" fetch -q "$PWD" HEAD
"${git[@]}" -C "$system/src" checkout -q -f --detach FETCH_HEAD
"${git[@]}" -C "$system/src" clean -q -ffdx -e /build/

# The system's /proc, /dev and /sys are mounted in a mount namespace of this part's own: the
# kernel takes them away when it ends, however it ends, and the host never sees them.
inside='
  mount -t proc proc proc && mount -t sysfs -o ro sysfs sys && mount -t tmpfs -o mode=755 dev dev
  cp -a /dev/null /dev/zero /dev/full /dev/random /dev/urandom /dev/tty dev/
  mkdir dev/pts dev/shm && mount -t tmpfs shm dev/shm && ln -s pts/ptmx dev/ptmx
  ln -s /proc/self/fd dev/fd
  mount -t devpts -o newinstance,ptmxmode=666 devpts dev/pts
  exec chroot . env -i "$@" bash -euc "
    cd /src
    # The program opens and stays open until closed; here, off-screen, it is closed at once.
    QT_QPA_PLATFORM=offscreen scripts/run.sh & sleep 1
    until [[ \$(readlink /proc/\$!/exe) == */voice-types ]]; do kill -0 \$! || wait \$!; sleep 1; done
    kill \$! && scripts/run.sh web && scripts/test.sh --again main web"'
cd "$system"
"${sudo[@]}" unshare --mount --propagation private --pid --fork bash -euc "$inside" - "${settings[@]}"
