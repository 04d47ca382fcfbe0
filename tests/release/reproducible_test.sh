#!/usr/bin/env bash
# Builds the release twice, from copies of the sources in two folders, at two times, under
# other time zones, locales and umasks, and expects the same bytes; where they differ,
# diffoscope shows where.
#   reproducible_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source=$1 work=$2
rm -rf "$work"
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

build() {  # FOLDER TZ LOCALE UMASK
  local folder=$work/$1
  (
    umask "$4"
    mkdir -p "$folder"
    git -C "$source" ls-files -z | tar -C "$source" --null -T - -cf - | tar -C "$folder" -xf -
    cd "$folder"
    TZ=$2 LC_ALL=$3 scripts/release.sh --skip-tests >"$work/$1.log" 2>&1 ||
      { cat "$work/$1.log"; exit 1; }
  )
}
build first Asia/Tokyo C.UTF-8 077
sleep 2
build second/elsewhere America/Lima C 022

first=$work/first/dist second=$work/second/elsewhere/dist
ls "$first" >"$work/first.files"
ls "$second" >"$work/second.files"
diff "$work/first.files" "$work/second.files"
[ "$(wc -l <"$work/first.files")" -eq 5 ] || { echo "not five files:"; cat "$work/first.files"; exit 1; }
differ=0
while read -r file; do
  if ! cmp -s "$first/$file" "$second/$file"; then
    echo "differs: $file"
    diffoscope --text - "$first/$file" "$second/$file" | head -n 200 || true
    differ=1
  fi
done <"$work/first.files"
[ "$differ" -eq 0 ] || exit 1
cat "$first/SHA256SUMS"
