#!/usr/bin/env bash
# Files written to a disk that is full and to a folder that is read-only: the settings
# file, a report, a bookmark export and the viewer's Save As are
# each refused as the plug-in refuses a file it cannot open, and every file that was
# there before keeps its bytes; nothing is left beside them. Needs a small file system
# of its own (tmpfs, mounted as root): it fails where none can be mounted.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
source "$here/cases.sh"
source "$here/../../scripts/wine-env.sh"
out=$(fresh_output full-disk)
full="$out/full" readonly_dir="$out/read-only"
mkdir -p "$full" "$readonly_dir"
unmount_all() { umount "$full" 2>/dev/null; umount "$readonly_dir" 2>/dev/null; }
trap unmount_all EXIT
if ! mount -t tmpfs -o size=256k tessaly-full "$full" 2>/dev/null ||
   ! mount -t tmpfs -o size=256k tessaly-read-only "$readonly_dir" 2>/dev/null; then
  echo "FAILED: no small file system can be mounted here (tmpfs needs root)"
  exit 1
fi

names=(settings.ppf selected.txt names.csv document.pdf)
# The files a user had there before, each with bytes of its own.
for folder in "$full" "$readonly_dir"; do
  for name in "${names[@]}"; do
    printf 'what %s held before\r\n' "$name" >"$folder/$name"
  done
  cp -r "$folder" "$out/before-$(basename "$folder")"
done
# Full: whatever room is left is taken (a write stops with "no space left").
dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null
mount -o remount,ro "$readonly_dir" || { fail "the read-only folder cannot be made read-only"; exit 1; }

for folder in "$full" "$readonly_dir"; do
  kind=$(basename "$folder")
  export FULL_DISK_DIR=$folder
  export FULL_DISK_SETTINGS_REFUSAL="Can't save to :$(winpath "$folder")\\settings.ppf"
  run_case "$here/full-disk" writes || echo "  (in the $kind folder)"
  for name in "${names[@]}"; do
    cmp -s "$out/before-$kind/$name" "$folder/$name" || fail "$kind: $name was changed"
  done
  left=$(ls -A "$folder" | grep -v -x -e filler "${names[@]/#/-e}")
  [ -z "$left" ] || fail "$kind: left beside the files: $left"
done
[ "$failures" -eq 0 ]
