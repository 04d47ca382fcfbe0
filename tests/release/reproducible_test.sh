#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Builds the release twice, from copies of the sources in two folders, at two times, under
# other time zones, locales and umasks, and expects the same bytes; where they differ,
# diffoscope shows where.
#   reproducible_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source=$1 work=$2
rm -rf "$work"
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

build() {  # FOLDER TZ LOCALE UMASK [env -u SOURCE_DATE_EPOCH ...]
  local folder=$work/$1
  (
    umask "$4"
    mkdir -p "$folder"
    git -C "$source" ls-files -z | tar -C "$source" --null -T - -cf - | tar -C "$folder" -xf -
    cd "$folder"
    TZ=$2 LC_ALL=$3 "${@:5}" scripts/release.sh --skip-tests >"$work/$1.log" 2>&1 ||
      { cat "$work/$1.log"; exit 1; }
  )
}
build first Asia/Tokyo C.UTF-8 077
sleep 2
# The second as a user runs it: no SOURCE_DATE_EPOCH, the commit's time from its repository.
build second/elsewhere America/Lima C 022 env -u SOURCE_DATE_EPOCH \
  GIT_DIR="$(git -C "$source" rev-parse --absolute-git-dir)"

first=$work/first/dist second=$work/second/elsewhere/dist
count=$(ls "$first" | wc -l)
[ "$count" -eq 6 ] || { echo "not six files:"; ls "$first"; exit 1; }
# SHA256SUMS: one right line for every other file.
(cd "$first" && sha256sum --check --strict --quiet SHA256SUMS) || { echo "SHA256SUMS is wrong"; exit 1; }
[ "$(cut -c67- "$first/SHA256SUMS" | sort)" = "$(ls "$first" | grep -vx SHA256SUMS | sort)" ] ||
  { echo "SHA256SUMS does not list each file once:"; cat "$first/SHA256SUMS"; exit 1; }
if ! diff -r "$first" "$second"; then
  diffoscope --text - "$first" "$second" | head -n 200 || true
  exit 1
fi
cat "$first/SHA256SUMS"
